# Runs the Windows test programs under Wine, in a private prefix inside the
# build folder (never ~/.wine). The prefix is made by the ctest fixture
# "wine-prefix" and taken down by "wine-stop". The 64-bit build runs the
# host's 64-bit Wine; the 32-bit build runs a WoW64 prefix of the 32-bit
# Wine kept in a Debian chroot (cmake/wine32-chroot.sh).
set(TARNIX_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(TARNIX_WINE_LOADER /usr/lib/wine/wine64 CACHE FILEPATH "The 64-bit Wine loader")
  set(wine_run_template ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in)
  # Programs of the prefix's own bitness.
  set(TARNIX_WINE_SYSTEM "C:\\windows\\system32")
else()
  set(TARNIX_WINE32_CHROOT ${CMAKE_CURRENT_LIST_DIR}/wine32-chroot.sh)
  set(wine_run_template ${CMAKE_CURRENT_LIST_DIR}/wine32-run.sh.in)
  set(TARNIX_WINE_SYSTEM "C:\\windows\\syswow64")
endif()
configure_file(${wine_run_template} ${CMAKE_BINARY_DIR}/wine-run @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)

# A volume too small for the copies made onto it (tests/wine/small-volume.sh).
set(TARNIX_SMALL_VOLUME ${CMAKE_BINARY_DIR}/small-volume)

# Adds the fixtures once; every Wine test requires "wine-prefix". Every test
# that runs Wine carries the label "wine".
function(tarnix_add_wine_fixtures)
  set(prefix_needs wine-small-volume)
  # Mounted before any wineserver of the prefix starts: the 32-bit one sees
  # only what was mounted when it started.
  set(small_volume ${CMAKE_SOURCE_DIR}/tests/wine/small-volume.sh)
  add_test(NAME wine-small-volume COMMAND ${small_volume} mount ${TARNIX_SMALL_VOLUME})
  set_tests_properties(wine-small-volume PROPERTIES FIXTURES_SETUP wine-small-volume LABELS wine)
  add_test(NAME wine-small-volume-unmount COMMAND ${small_volume} unmount ${TARNIX_SMALL_VOLUME})
  set_tests_properties(wine-small-volume-unmount PROPERTIES FIXTURES_CLEANUP wine-small-volume LABELS wine)
  if(TARNIX_WINE32_CHROOT)
    # Made once per machine, reused by every build after.
    add_test(NAME wine32-chroot COMMAND ${TARNIX_WINE32_CHROOT} ensure)
    set_tests_properties(wine32-chroot PROPERTIES FIXTURES_SETUP wine32-chroot TIMEOUT 1800 LABELS wine)
    list(APPEND prefix_needs wine32-chroot)
  endif()
  add_test(NAME wine-prefix COMMAND ${CMAKE_BINARY_DIR}/wine-run wineboot --init)
  set_tests_properties(wine-prefix PROPERTIES FIXTURES_SETUP wine-prefix FIXTURES_REQUIRED "${prefix_needs}"
                       TIMEOUT 300 LABELS wine)
  add_test(NAME wine-stop COMMAND ${CMAKE_BINARY_DIR}/wine-run --stop)
  set_tests_properties(wine-stop PROPERTIES FIXTURES_CLEANUP wine-prefix LABELS wine)
endfunction()
