# The Windows build, cross-compiled with mingw-w64 (cmake/mingw-*.cmake) against the SDL
# libraries built from Debian's sources (scripts/windows-sdl.sh) into GLINT_WINDOWS_PREFIX.
set(GLINT_HOST_GAME_DIR "" CACHE PATH
  "The game folder of a Linux build: its generated pictures, sounds and levels are copied")
if(NOT IS_DIRECTORY "${GLINT_HOST_GAME_DIR}/data")
  message(FATAL_ERROR "GLINT_HOST_GAME_DIR must name a Linux build's game folder (build/game)")
endif()

# SDL2_image's package asks for libjpeg and libpng even when, as here, its bundled decoder reads
# both: these stand in for them.
add_library(JPEG::JPEG INTERFACE IMPORTED)
add_library(PNG::PNG INTERFACE IMPORTED)

# SSE2 floating point on both systems and both widths, so every number the game computes is
# the one Linux computes (the 32-bit default, x87, rounds differently).
add_compile_options(-msse2 -mfpmath=sse)
# The C++ and thread runtimes go into the program: beside it lie only SDL's libraries.
add_link_options(-static-libgcc -static-libstdc++ -Wl,-Bstatic,--whole-archive -lwinpthread
  -Wl,--no-whole-archive,-Bdynamic)
# Unicode Windows calls throughout.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

# Google Test from Debian's sources, built for the target (it names its targets GTest::...).
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# win32 or win64, for the zip's name.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(GLINT_WINDOWS_NAME win64)
else()
  set(GLINT_WINDOWS_NAME win32)
endif()

# The tests run the Windows programs under Wine.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(GLINT_WINE /usr/lib/wine/wine64)
else()
  set(GLINT_WINE /usr/lib/wine/wine)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${GLINT_WINE})
# The tests are listed when ctest runs, under Wine with the prefix the test run sets up.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

# SDL's libraries beside the program, and the zip a player unpacks: the game folder with a
# short README.
function(glint_windows_package)
  # The generated assets and the attract demos of the Linux build, copied into the game folder.
  add_custom_target(assets ALL
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${GLINT_HOST_GAME_DIR}/data ${GLINT_GAME_DIR}/data
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${GLINT_HOST_GAME_DIR}/sound ${GLINT_GAME_DIR}/sound
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${GLINT_HOST_GAME_DIR}/demos ${GLINT_GAME_DIR}/demos
    COMMAND ${CMAKE_COMMAND} -E copy ${GLINT_HOST_GAME_DIR}/moregames.url
      ${GLINT_HOST_GAME_DIR}/subscribe.url ${GLINT_HOST_GAME_DIR}/tellafriend.url ${GLINT_GAME_DIR}
    COMMENT "Copying the generated assets from ${GLINT_HOST_GAME_DIR}")

  # Beside the game, and beside the test programs, which Windows looks for them with too.
  set(dlls SDL2.dll SDL2_image.dll SDL2_mixer.dll)
  foreach(dll ${dlls})
    foreach(folder ${GLINT_GAME_DIR} ${CMAKE_BINARY_DIR}/tests)
      list(APPEND copies COMMAND ${CMAKE_COMMAND} -E copy_if_different
        ${GLINT_WINDOWS_PREFIX}/bin/${dll} ${folder}/${dll})
    endforeach()
  endforeach()
  add_custom_target(windows-dlls ALL ${copies})
  add_dependencies(glintbreaker windows-dlls assets)
  set(zip ${CMAKE_BINARY_DIR}/glintbreaker-${GLINT_WINDOWS_NAME}.zip)
  set(folder ${CMAKE_BINARY_DIR}/zip/Glintbreaker)
  add_custom_target(windows-zip
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/zip ${zip}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${GLINT_GAME_DIR} ${folder}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/cmake/windows-readme.txt
      ${folder}/README.txt
    COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/zip
      ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip Glintbreaker
    DEPENDS glintbreaker windows-dlls assets
    COMMENT "Packing ${zip}")
endfunction()
