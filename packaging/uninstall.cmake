# Removes what the last `cmake --install` of a build put in place, and nothing
# else: the files its install_manifest.txt lists, where that install wrote them,
# then the game's own folders once they are empty. Players' hi-score files are
# in their home folders and never in the list.
#
#   cmake --build BUILD --target uninstall    (with DESTDIR as at the install)
#
# The manifest lists the files without DESTDIR, so the install also recorded
# its DESTDIR and prefix; without that a staged install's list would name the
# files of a copy the package manager installed. Refused, with nothing removed:
# DESTDIR other than the install's, and a list naming a file outside the
# recorded prefix (a list some other install left).
cmake_minimum_required(VERSION 3.25)

set(manifest ${BUILD_DIR}/install_manifest.txt)
set(record ${BUILD_DIR}/install_destination.cmake)
foreach(needed IN ITEMS ${manifest} ${record})
  if(NOT EXISTS ${needed})
    message(FATAL_ERROR "uninstall: ${needed} is missing: nothing of this build is installed, or its list was lost")
  endif()
endforeach()
include(${record})

set(destdir "$ENV{DESTDIR}")
if(destdir)
  if(NOT IS_ABSOLUTE "${destdir}")
    message(FATAL_ERROR "uninstall: DESTDIR must be an absolute path here, not '${destdir}'")
  endif()
  get_filename_component(destdir "${destdir}" ABSOLUTE)
endif()
if(NOT destdir STREQUAL installed_destdir)
  message(FATAL_ERROR "uninstall: ${manifest} lists the files installed with DESTDIR='${installed_destdir}', "
                      "not with DESTDIR='${destdir}': run the uninstall with the install's DESTDIR")
endif()

file(STRINGS ${manifest} files)
foreach(file IN LISTS files)
  cmake_path(IS_PREFIX installed_prefix "${file}" NORMALIZE inside)
  if(NOT inside)
    message(FATAL_ERROR "uninstall: ${manifest} lists ${file}, outside ${installed_prefix} where this build was "
                        "installed: the list was left by another install, so nothing is removed")
  endif()
endforeach()

set(own_folders)
foreach(file IN LISTS files)
  set(path "${destdir}${file}")
  if(EXISTS "${path}" OR IS_SYMLINK "${path}")
    message(STATUS "Removing: ${path}")
    file(REMOVE "${path}")
  endif()
  # The game's own folders are those named after it and what lies in them,
  # below the prefix: the folders around the prefix may be called anything.
  cmake_path(RELATIVE_PATH file BASE_DIRECTORY "${installed_prefix}" OUTPUT_VARIABLE folder)
  cmake_path(GET folder PARENT_PATH folder)
  while(folder MATCHES "(^|/)quorbit(/|$)")
    list(APPEND own_folders "${destdir}${installed_prefix}/${folder}")
    cmake_path(GET folder PARENT_PATH folder)
  endwhile()
endforeach()
# Deepest first, so that a folder is empty once the folders in it are gone.
list(REMOVE_DUPLICATES own_folders)
list(SORT own_folders ORDER DESCENDING)
foreach(folder IN LISTS own_folders)
  file(GLOB left LIST_DIRECTORIES true "${folder}/*")
  if(IS_DIRECTORY "${folder}" AND NOT left)
    message(STATUS "Removing: ${folder}/")
    file(REMOVE_RECURSE "${folder}")
  endif()
endforeach()
file(REMOVE ${manifest} ${record})
