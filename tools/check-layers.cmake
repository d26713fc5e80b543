# Fails when a source file includes a header from a higher layer than its own.
# Layers, lowest first (a file may include its own layer and any below it):
#   0 Math, Platform, Serialisation, XMLSerialisation
#   1 Engine
#   2 Objects
#   3 Factory
#   4 systems: Graphics, Physics, Audio, Input, Logic, UI, Waypoints, Window
#   5 Scenes, Archetypes
#   6 the game (KiteGame) and the editor (Core/Editor, KiteEditor)
# Usage: cmake -DROOT=<source tree> -P tools/check-layers.cmake
if(NOT ROOT)
  message(FATAL_ERROR "check-layers: ROOT is not set")
endif()

# Includes that run against the order on purpose. Each entry is
# "<file relative to ROOT>|<included header>", kept as narrow as a pair.
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
  endforeach()
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "check-layers: ${failures} include(s) run against the layer order (see README, Layout)")
endif()
message(STATUS "check-layers: ${ROOT}: every include follows the layer order")
