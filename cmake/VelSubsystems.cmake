# Each folder under src/ is a subsystem compiled once as an OBJECT library `vel_<name>`.
# libvel.so and every test suite link the same objects; dependencies point one way.

set_property(GLOBAL PROPERTY VEL_SUBSYSTEMS "")

# COMPLETES names the subsystems whose classes declare virtual operations this one defines
# (the model's difference walk lives in diff): whatever links those links this one too.
function(vel_add_subsystem name)
  cmake_parse_arguments(ARG "" "" "DEPS;LIBS;COMPLETES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${name}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_library(vel_${name} OBJECT ${sources})
  target_include_directories(vel_${name}
    PUBLIC $<BUILD_INTERFACE:${CMAKE_SOURCE_DIR}/include>
    PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/src/${name})
  target_compile_definitions(vel_${name} PRIVATE VEL_BUILDING_LIBRARY)
  target_link_libraries(vel_${name} PRIVATE vel_warnings)
  if(ARG_LIBS)
    target_link_libraries(vel_${name} PUBLIC ${ARG_LIBS})
  endif()
  set(deps "")
  foreach(dep IN LISTS ARG_DEPS)
    if(TARGET vel_${dep})
      list(APPEND deps ${dep})
      target_include_directories(vel_${name} PRIVATE ${CMAKE_SOURCE_DIR}/src/${dep})
    endif()
  endforeach()
  set_property(TARGET vel_${name} PROPERTY VEL_DEPS "${deps}")
  # A subsystem that defines virtual operations of another one (the model's XML form, say)
  # is linked wherever that one is, so that no target misses their bodies.
  foreach(base IN LISTS ARG_COMPLETES)
    if(TARGET vel_${base})
      set_property(TARGET vel_${base} APPEND PROPERTY VEL_COMPLETED_BY ${name})
    endif()
  endforeach()
  set_property(GLOBAL APPEND PROPERTY VEL_SUBSYSTEMS ${name})
endfunction()

# Collects the subsystems `names` stand on, themselves and those completing them included.
function(vel_resolve_subsystems out)
  set(result "")
  set(todo ${ARGN})
  while(todo)
    list(POP_FRONT todo name)
    if(NOT TARGET vel_${name} OR name IN_LIST result)
      continue()
    endif()
    list(APPEND result ${name})
    get_property(deps TARGET vel_${name} PROPERTY VEL_DEPS)
    get_property(completers TARGET vel_${name} PROPERTY VEL_COMPLETED_BY)
    list(APPEND todo ${deps} ${completers})
  endwhile()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# Links the objects of the given subsystems (and what they stand on) straight into a target,
# so tests reach internals without widening the library's exported surface.
function(vel_link_subsystems target)
  vel_resolve_subsystems(all ${ARGN})
  foreach(name IN LISTS all)
    target_link_libraries(${target} PRIVATE vel_${name})
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/src/${name})
  endforeach()
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${target} PRIVATE ${CMAKE_DL_LIBS} Threads::Threads)
endfunction()
