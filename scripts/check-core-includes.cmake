# Fails when a file of the core folders includes the window's: the core is
# built without a widget module, and this catches the app/ headers that would
# still compile there. Run by the build (target quorbit_core_includes):
#
#     cmake -DROOT=<source folder> -P scripts/check-core-includes.cmake
set(core_folders board rules scoring replay storage common)
set(wrong "")
foreach(folder IN LISTS core_folders)
  file(GLOB_RECURSE sources "${ROOT}/${folder}/*.h" "${ROOT}/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]app/")
    if(includes)
      file(RELATIVE_PATH shown "${ROOT}" "${source}")
      list(APPEND wrong "${shown}: ${includes}")
    endif()
  endforeach()
endforeach()
if(wrong)
  list(JOIN wrong "\n  " listed)
  message(FATAL_ERROR "The core includes the window:\n  ${listed}")
endif()
