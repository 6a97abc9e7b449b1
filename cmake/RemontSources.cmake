# Every subsystem folder under src/ holds core sources (standard C++) at its top
# level and Qt sources in its qt/ subfolder. New files are picked up by the glob.
set(REMONT_SUBSYSTEMS common archive description elements pages shell)

function(remont_collect out kind)
  set(files)
  foreach(sub ${REMONT_SUBSYSTEMS})
    if(kind STREQUAL "core")
      file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${sub}/*.cpp)
    else()
      file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${sub}/qt/*.cpp
                                        ${PROJECT_SOURCE_DIR}/src/${sub}/qt/*.h)
    endif()
    list(APPEND files ${found})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()
