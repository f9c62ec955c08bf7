# SPDX-License-Identifier: MIT
# Fails when a source of a room includes a header of a room it may not use.
# cmake -DSOURCE_DIR=<repository> -P CheckRooms.cmake
cmake_minimum_required(VERSION 3.25)
#
# The rooms each room may use (HACKING.md explains them). Dependencies point one way: nothing
# here may form a cycle, and link, settings and res use no room of ours.
set(uses_link "")
set(uses_imaging link) # the kernels' path choice and row bands (link/CpuPath.h, link/RowBands.h)
set(uses_settings "")
set(uses_res "")
set(uses_sim link)
set(uses_remote link)
set(uses_view imaging link remote settings)
set(uses_document imaging)
set(uses_app document imaging link remote settings sim view)
set(rooms link imaging settings res sim remote view document app)

set(faults "")
foreach(room IN LISTS rooms)
    file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
        ${SOURCE_DIR}/${room}/*.h ${SOURCE_DIR}/${room}/*.cpp ${SOURCE_DIR}/${room}/*.in)
    foreach(source IN LISTS sources)
        file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line IN LISTS includes)
            if(NOT line MATCHES "\"([A-Za-z0-9_]+)/([^\"]+)\"")
                continue()
            endif()
            set(target_room ${CMAKE_MATCH_1})
            if(target_room STREQUAL room OR target_room IN_LIST uses_${room})
                continue()
            endif()
            string(JOIN " " allowed ${uses_${room}})
            if(allowed STREQUAL "")
                set(allowed "no other room")
            endif()
            list(APPEND faults "${source} includes ${target_room}/${CMAKE_MATCH_2}: ${room} may use ${allowed}")
        endforeach()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "Includes against the direction of the rooms:\n  ${text}")
endif()
message(STATUS "Every include points one way.")
