// A game folder that the area order does not list.
#pragma once
