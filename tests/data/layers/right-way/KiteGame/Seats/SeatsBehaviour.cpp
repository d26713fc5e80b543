// A seat reaching up only by the includes the check lists as exceptions.
#include "Seats/SeatsBehaviour.h"
#include "Customers/CustomerAIBehaviour.h"
#include "Building/SeatDragging.h"
