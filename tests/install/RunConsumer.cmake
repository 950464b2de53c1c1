# cmake -P script: install VEL_BUILD_DIR into WORK_DIR/prefix, check the installed layout,
# run the installed tools, then build and run the consumer project found at CONSUMER_SOURCE
# twice: through find_package(Vel) and through pkg-config, each without a runpath. Fails on
# the first step that fails.
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    string(REPLACE ";" " " shown "${ARGN}")
    message(FATAL_ERROR "failed (${status}): ${shown}\n${out}")
  endif()
  message(STATUS "ok: ${ARGV0} ... \n${out}")
  set(run_output "${out}" PARENT_SCOPE)
endfunction()

function(expect_exists)
  foreach(path IN LISTS ARGN)
    if(NOT EXISTS ${path})
      message(FATAL_ERROR "not installed: ${path}")
    endif()
  endforeach()
endfunction()

# Fails when the ELF file has an RPATH or RUNPATH entry.
function(expect_no_runpath file)
  execute_process(COMMAND readelf -d ${file} OUTPUT_VARIABLE dynamic RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR dynamic MATCHES "R(UN)?PATH")
    message(FATAL_ERROR "${file} has a runpath:\n${dynamic}")
  endif()
endfunction()

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
run(${CMAKE_COMMAND} --install ${VEL_BUILD_DIR} --prefix ${prefix})

# The library folder may be lib/ or lib/<multiarch>/; vel.pc lies in its pkgconfig/.
file(GLOB_RECURSE pc_files ${prefix}/vel.pc)
list(LENGTH pc_files pc_count)
if(NOT pc_count EQUAL 1)
  message(FATAL_ERROR "expected one installed vel.pc, found: ${pc_files}")
endif()
get_filename_component(pc_dir ${pc_files} DIRECTORY)
get_filename_component(libdir ${pc_dir} DIRECTORY)

# Nothing loose in the library folder: the library, its validation folder, package files.
file(GLOB lib_entries RELATIVE ${libdir} ${libdir}/*)
foreach(entry IN LISTS lib_entries)
  if(NOT entry MATCHES "^(libvel\\.so(\\.[0-9.]+)?|vel|pkgconfig|cmake)$")
    message(FATAL_ERROR "unexpected in the library folder ${libdir}: ${entry}")
  endif()
endforeach()
expect_exists(${libdir}/vel/V6TypeVerMap.vmd ${libdir}/vel/BrioSeriesTypeVerMap.vmd
  ${libdir}/vel/V6/V6_5.vmd ${libdir}/vel/Tarvo/V3_40.vmd
  ${prefix}/share/vel/lang/en.txt ${prefix}/share/vel/examples/Example.vmd
  ${prefix}/share/doc/vel/LICENSE ${prefix}/include/vel/ValidationManagerList.h)
file(GLOB_RECURSE stray_vmd RELATIVE ${prefix} ${prefix}/*.vmd)
list(FILTER stray_vmd EXCLUDE REGEX "/vel/")
if(stray_vmd)
  message(FATAL_ERROR "validation files outside the vel folders: ${stray_vmd}")
endif()

file(READ ${pc_files} pc_text)
if(pc_text MATCHES "rpath|-std=" OR NOT pc_text MATCHES "License: Apache-2.0")
  message(FATAL_ERROR "vel.pc adds a runpath or a language flag, or lacks the licence:\n${pc_text}")
endif()

# The installed tools find the library, its validation files and the language texts.
run(${prefix}/bin/velcfg show --type 66 --version 650 --key System.BellTime)
if(NOT run_output STREQUAL "System.BellTime | System parameters.Bell time | 15 | 1..20\n")
  message(FATAL_ERROR "installed velcfg printed:\n${run_output}")
endif()
run(${prefix}/bin/vmdtool get ${prefix}/share/vel/examples/Example zone.type maxnumber)

run(${CMAKE_COMMAND} -S ${CONSUMER_SOURCE} -B ${WORK_DIR}/cmake-build -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}"
    -DCMAKE_SKIP_BUILD_RPATH=ON)
run(${CMAKE_COMMAND} --build ${WORK_DIR}/cmake-build)
expect_no_runpath(${WORK_DIR}/cmake-build/consumer)
run(${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${libdir} ${WORK_DIR}/cmake-build/consumer)

set(ENV{PKG_CONFIG_PATH} ${pc_dir})
execute_process(COMMAND pkg-config --cflags --libs vel RESULT_VARIABLE status
  OUTPUT_VARIABLE pc_flags OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "pkg-config --cflags --libs vel failed")
endif()
separate_arguments(pc_flags UNIX_COMMAND "${pc_flags}")
separate_arguments(extra UNIX_COMMAND "${CXX_FLAGS}")
run(${CXX} -std=c++20 ${extra} ${CONSUMER_SOURCE}/main.cpp ${pc_flags} -o ${WORK_DIR}/pc-consumer)
expect_no_runpath(${WORK_DIR}/pc-consumer)
run(${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${libdir} ${WORK_DIR}/pc-consumer)
