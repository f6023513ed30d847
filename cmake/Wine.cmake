# Runs the Windows test programs under Wine, in a private prefix inside the
# build folder (never ~/.wine). The prefix is made by the ctest fixture
# "wine-prefix" and taken down by "wine-stop".
set(TARNIX_WINE_LOADER /usr/lib/wine/wine64 CACHE FILEPATH "The 64-bit Wine loader")
set(TARNIX_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)

# Adds the fixtures once; every Wine test requires "wine-prefix".
function(tarnix_add_wine_fixtures)
  add_test(NAME wine-prefix COMMAND ${CMAKE_BINARY_DIR}/wine-run wineboot --init)
  set_tests_properties(wine-prefix PROPERTIES FIXTURES_SETUP wine-prefix TIMEOUT 300)
  add_test(NAME wine-stop COMMAND ${CMAKE_BINARY_DIR}/wine-run --stop)
  set_tests_properties(wine-stop PROPERTIES FIXTURES_CLEANUP wine-prefix)
endfunction()
