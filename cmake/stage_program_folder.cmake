# Stages the shipped files of appdata/ into the program folder without
# touching what is the user's:
#
#   cmake -DAPPDATA=<appdata folder> -DPROGRAM_DIR=<program folder> -P stage_program_folder.cmake
#
# program_folder_files.txt beside this script gives each shipped file its
# class. A file is there when the program folder holds it under any letter
# case, since the program finds its files that way. A missing file is copied
# in; a "refresh" table under its shipped name is replaced when it differs;
# nothing else is ever written. A copy goes to a temporary name and is then
# renamed, so a stopped build leaves no half-written file under the name of
# a file that would then be kept.
cmake_minimum_required(VERSION 3.25)

foreach(setting APPDATA PROGRAM_DIR)
  if(NOT DEFINED ${setting})
    message(FATAL_ERROR "stage_program_folder.cmake: -D${setting}=<folder> is missing")
  endif()
endforeach()
set(manifest ${CMAKE_CURRENT_LIST_DIR}/program_folder_files.txt)

file(STRINGS ${manifest} manifest_lines)
foreach(line IN LISTS manifest_lines)
  if(line MATCHES "^(keep|refresh)[ \t]+([^ \t]+)[ \t]*$")
    set("class_of_${CMAKE_MATCH_2}" ${CMAKE_MATCH_1})
  elseif(NOT line MATCHES "^[ \t]*(#.*)?$")
    message(FATAL_ERROR "${manifest}: cannot read the line \"${line}\"")
  endif()
endforeach()

file(MAKE_DIRECTORY ${PROGRAM_DIR})
# What the folder holds, by exact name and by lower-case name (a broken
# link counts too: the user put it there).
file(GLOB present RELATIVE ${PROGRAM_DIR} LIST_DIRECTORIES true ${PROGRAM_DIR}/*)
foreach(name IN LISTS present)
  set("exact_${name}" TRUE)
  string(TOLOWER "${name}" lower)
  set("folded_${lower}" TRUE)
endforeach()

function(copy_in name)
  set(temporary ${PROGRAM_DIR}/.${name}.staging)
  file(COPY_FILE ${APPDATA}/${name} ${temporary})
  # the program folder's files are the user's to edit
  file(CHMOD ${temporary} FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  file(RENAME ${temporary} ${PROGRAM_DIR}/${name})
endfunction()

function(same_content first second result)
  file(SIZE ${first} first_size)
  file(SIZE ${second} second_size)
  set(same FALSE)
  if(first_size EQUAL second_size)
    file(SHA256 ${first} first_hash)
    file(SHA256 ${second} second_hash)
    if(first_hash STREQUAL second_hash)
      set(same TRUE)
    endif()
  endif()
  set(${result} ${same} PARENT_SCOPE)
endfunction()

set(added 0)
set(refreshed "")
file(GLOB shipped RELATIVE ${APPDATA} LIST_DIRECTORIES false ${APPDATA}/*)
foreach(name IN LISTS shipped)
  if(name MATCHES "^[.]")
    continue()  # the repository's own (.keep), not a program file
  endif()
  set(class "${class_of_${name}}")
  if(NOT class)
    # unknown to the list: treated as the user's, the safe side
    message(WARNING "appdata/${name} has no line in ${manifest}; staged as a file to keep")
    set(class keep)
  endif()
  string(TOLOWER "${name}" lower)
  set(target ${PROGRAM_DIR}/${name})
  if(NOT "${folded_${lower}}")  # under no spelling, the shipped one included
    copy_in(${name})
    math(EXPR added "${added} + 1")
  elseif(class STREQUAL "refresh" AND "${exact_${name}}" AND NOT IS_SYMLINK ${target} AND NOT IS_DIRECTORY ${target})
    same_content(${APPDATA}/${name} ${target} same)
    if(NOT same)
      copy_in(${name})
      list(APPEND refreshed ${name})
    endif()
  endif()
endforeach()

list(LENGTH refreshed refreshed_count)
string(REPLACE ";" ", " refreshed_names "${refreshed}")
if(refreshed_count GREATER 0)
  set(refreshed_names " (${refreshed_names})")
endif()
message(STATUS "Program folder ${PROGRAM_DIR}: ${added} shipped files added, ${refreshed_count} tables refreshed${refreshed_names}; the user's files are kept")
