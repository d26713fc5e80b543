# Fails when a source file includes a header from a higher layer than its own,
# or a game source one from a higher game area.
# Layers, lowest first (a file may include its own layer and any below it):
#   0 Math, Platform, Serialisation, XMLSerialisation
#   1 Engine
#   2 Objects
#   3 Factory
#   4 systems: Graphics, Physics, Audio, Input, Logic, UI, Waypoints, Window
#   5 Scenes, Archetypes
#   6 the game (KiteGame) and the editor (Core/Editor, KiteEditor)
# Inside the game its areas (the folders of KiteGame) keep an order of their
# own, GAME_AREAS below: an area may include itself and the rungs below it,
# never a rung above nor another area of its own rung.
# Usage: cmake -DROOT=<source tree> -P tools/check-layers.cmake
if(NOT ROOT)
  message(FATAL_ERROR "check-layers: ROOT is not set")
endif()

# Includes that run against the layer or area order on purpose. Each entry
# is "<file relative to ROOT>|<included header>", kept as narrow as a pair.
set(ALLOWED
  # The frame loop starts and ends a run through the systems it runs:
  # debug drawing off and the first scene at the start, gamepads each frame,
  # every object deleted at the end.
  "KiteEngine/Core/Engine/Engine.cpp|Core/Factory/GameObjectFactory.h"
  "KiteEngine/Core/Engine/Engine.cpp|Core/Graphics/Graphics.h"
  "KiteEngine/Core/Engine/Engine.cpp|Core/Input/Gamepad.h"
  "KiteEngine/Core/Engine/Engine.cpp|Core/Scenes/SceneManager.h"
  # Only the factory creates, numbers and destroys objects; an object asks it
  # to (Destroy, AddComponent by type, moving to the user-interface map).
  "KiteEngine/Core/Objects/GameObject.cpp|Core/Factory/GameObjectFactory.h"
  # A transform's scale is in units of the renderer's pixels per unit.
  "KiteEngine/Core/Objects/Transform.cpp|Core/Graphics/Graphics.h"
  # Loaded objects carry the renderer's shared mesh; saving without a name
  # saves the current scene.
  "KiteEngine/Core/Factory/SceneFiles.cpp|Core/Graphics/Graphics.h"
  "KiteEngine/Core/Factory/SceneFiles.cpp|Core/Graphics/Mesh.h"
  "KiteEngine/Core/Factory/SceneFiles.cpp|Core/Scenes/SceneManager.h"
  # Buttons change the level and spawn pop-ups from archetypes; F9 and F11
  # load a level from the window's key handling.
  "KiteEngine/Core/UI/UISystem.cpp|Core/Scenes/SceneManager.h"
  "KiteEngine/Core/UI/ActivatePopupButton.cpp|Core/Archetypes/ArchetypeSystem.h"
  "KiteEngine/Core/Window/Win32System.cpp|Core/Scenes/SceneManager.h"

  # Game areas. A stall and a seat hold the customers queued at or sitting
  # on them, take them out of a fight or a fire and send them on.
  "KiteGame/Stalls/StallsBehaviour.cpp|Customers/CustomerAIBehaviour.h"
  "KiteGame/Stalls/StallsSystem.cpp|Customers/CustomerAIBehaviour.h"
  "KiteGame/Seats/SeatsBehaviour.cpp|Customers/CustomerAIBehaviour.h"
  "KiteGame/Seats/SeatsSystem.cpp|Customers/CustomerAIBehaviour.h"
  # A served stall may catch fire and shows the fire it spawns; a fire
  # empties the seats and scares arriving customers away by its settings.
  "KiteGame/Stalls/StallsBehaviour.cpp|Trouble/FireController.h"
  "KiteGame/Stalls/StallsBehaviour.cpp|Trouble/FireResolver.h"
  "KiteGame/Seats/SeatsSystem.cpp|Trouble/FireController.h"
  "KiteGame/Customers/CustomerAIBehaviour.cpp|Trouble/FireController.h"
  # A customer leaving a seat drops trash; two customers start a fight.
  "KiteGame/Customers/CustomerAIBehaviour.cpp|Trouble/Trash.h"
  "KiteGame/Customers/CustomerSystem.cpp|Trouble/FightResolver.h"
  # A stall or seat hands its mouse events to the dragging, and a carried
  # stall's animation plays on the after-image it left.
  "KiteGame/Stalls/StallsBehaviour.cpp|Building/StallDragging.h"
  "KiteGame/Stalls/StallsBehaviour.cpp|Building/DraggableAfterImage.h"
  "KiteGame/Seats/SeatsBehaviour.cpp|Building/SeatDragging.h"
  # An upgrade's bar fills with the upgrade's own timer.
  "KiteGame/HUD/ProgressBar.cpp|Building/UpgradeBehaviour.h"
)

# The game's areas, lowest rung first; the areas of a rung are independent.
set(GAME_AREAS
  "Economy Audio"     # money, stats, level flags, hooks to higher systems; sounds
  "World"             # time, weather, sky, the looks of sprites
  "HUD"               # bars, stats display, text fitting
  "Mail"
  "Stalls"
  "Seats"
  "Customers"
  "Trouble"           # fire, fights, trash
  "Building"          # dragging, spawning, upgrading, selling
  "Flow Options"      # level flow, quests, tutorial; the settings menus
  "StartUp"           # registers every component and starts the game
)

function(layer_of path out)
  set(layer -1)
  if(path MATCHES "(^|/)(KiteGame|KiteEditor|Core/Editor)/")
    set(layer 6)
  elseif(path MATCHES "(^|/)Core/(Scenes|Archetypes)/")
    set(layer 5)
  elseif(path MATCHES "(^|/)Core/(Graphics|Physics|Audio|Input|Logic|UI|Waypoints|Window)/")
    set(layer 4)
  elseif(path MATCHES "(^|/)Core/Factory/")
    set(layer 3)
  elseif(path MATCHES "(^|/)Core/Objects/")
    set(layer 2)
  elseif(path MATCHES "(^|/)Core/Engine/")
    set(layer 1)
  elseif(path MATCHES "(^|/)(Core/Math|Core/Serialisation|Core/XMLSerialisation|Platform)/")
    set(layer 0)
  endif()
  set(${out} ${layer} PARENT_SCOPE)
endfunction()

# The rung of a game area (from 1), or -1 for a folder missing from
# GAME_AREAS. The component type numbers sit beside the registration in
# StartUp, but every area names its own: that header is below every rung.
function(game_rung area header out)
  set(rung -1)
  if(header STREQUAL "StartUp/GameComponentTypes.h")
    set(rung 0)
  else()
    set(index 1)
    foreach(areas ${GAME_AREAS})
      string(REPLACE " " ";" areas "${areas}")
      list(FIND areas "${area}" found)
      if(found GREATER -1)
        set(rung ${index})
      endif()
      math(EXPR index "${index} + 1")
    endforeach()
  endif()
  set(${out} ${rung} PARENT_SCOPE)
endfunction()

# Fails (counting it) when a game source reaches a higher game area or
# another area of its own rung; target is the header's path from ROOT.
function(check_game_area source target header failures_var)
  set(failures ${${failures_var}})
  if(NOT source MATCHES "^KiteGame/([^/]+)/" OR NOT target MATCHES "^/(KiteGame/)?([^/]+)/")
    return()
  endif()
  string(REGEX MATCH "^KiteGame/([^/]+)/" unused "${source}")
  set(own_area ${CMAKE_MATCH_1})
  string(REGEX MATCH "^/(KiteGame/)?([^/]+)/(.*)" unused "${target}")
  set(their_area ${CMAKE_MATCH_2})
  set(their_header "${CMAKE_MATCH_2}/${CMAKE_MATCH_3}")
  # Engine and library headers are not game areas; a game area is one of
  # the order or a folder of the game.
  game_rung(${their_area} "" listed)
  if(own_area STREQUAL their_area OR (listed LESS 0 AND NOT IS_DIRECTORY ${ROOT}/KiteGame/${their_area}))
    return()
  endif()
  game_rung(${own_area} "" own)
  game_rung(${their_area} "${their_header}" theirs)
  if(own LESS 0)
    message(SEND_ERROR "${source}: the game area ${own_area} is missing from the area order")
    math(EXPR failures "${failures} + 1")
  elseif(theirs LESS 0)
    message(SEND_ERROR "${source}: includes \"${header}\" from ${their_area}, missing from the area order")
    math(EXPR failures "${failures} + 1")
  elseif(NOT theirs LESS own)
    list(FIND ALLOWED "${source}|${header}" allowed)
    if(allowed LESS 0)
      message(SEND_ERROR "${source}: includes \"${header}\" from a higher or equal game area")
      math(EXPR failures "${failures} + 1")
    endif()
  endif()
  set(${failures_var} ${failures} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE ${ROOT}
  ${ROOT}/KiteEngine/*.h ${ROOT}/KiteEngine/*.cpp
  ${ROOT}/KiteGame/*.h ${ROOT}/KiteGame/*.cpp
  ${ROOT}/KiteEditor/*.h ${ROOT}/KiteEditor/*.cpp)

set(failures 0)
foreach(source ${sources})
  layer_of("${source}" own)
  if(own LESS 0)
    continue()
  endif()
  file(STRINGS ${ROOT}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  get_filename_component(folder ${ROOT}/${source} DIRECTORY)
  foreach(line ${lines})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^\">]*)[\">].*" "\\1" header "${line}")
    set(target "/${header}")
    # A relative path names the folder it reaches, wherever it is written from.
    if(header MATCHES "^\\.\\.?/")
      get_filename_component(resolved ${folder}/${header} ABSOLUTE)
      file(RELATIVE_PATH target ${ROOT} ${resolved})
      set(target "/${target}")
    endif()
    # Library headers and headers outside the engine's folders have no layer.
    layer_of("${target}" theirs)
    if(theirs GREATER own)
      list(FIND ALLOWED "${source}|${header}" allowed)
      if(allowed LESS 0)
        message(SEND_ERROR "${source}: includes \"${header}\" from a higher layer")
        math(EXPR failures "${failures} + 1")
      endif()
    endif()
    check_game_area("${source}" "${target}" "${header}" failures)
  endforeach()
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "check-layers: ${failures} include(s) run against the layer or area order (see README, Layout)")
endif()
message(STATUS "check-layers: ${ROOT}: every include follows the layer and area order")
