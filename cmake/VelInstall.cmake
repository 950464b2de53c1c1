# The install follows the GNU layout: libvel.so in the library folder with its validation
# files in vel/ beside it (the library finds them relative to its own file); language texts,
# report templates and examples under share/vel/; nothing else in the library folder.
include(CMakePackageConfigHelpers)

install(TARGETS vel EXPORT VelTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/include/vel DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY ${VEL_VALIDATION_OUTPUT_DIR}/ DESTINATION ${CMAKE_INSTALL_LIBDIR}/vel
  FILES_MATCHING PATTERN "*.vmd")
install(DIRECTORY ${VEL_DATA_OUTPUT_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/vel OPTIONAL)
if(EXISTS ${CMAKE_SOURCE_DIR}/data/reports)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/reports/ DESTINATION ${CMAKE_INSTALL_DATADIR}/vel/reports)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})

install(EXPORT VelTargets NAMESPACE Vel:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Vel)
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/VelConfig.cmake.in
  ${CMAKE_BINARY_DIR}/VelConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Vel)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/VelConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/VelConfig.cmake ${CMAKE_BINARY_DIR}/VelConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Vel)

# vel.pc finds its prefix relative to its own folder, so `cmake --install --prefix` anywhere
# gives a working file. It adds no runpath and no language flag: consumers choose both.
file(RELATIVE_PATH VEL_PC_TO_PREFIX /root/${CMAKE_INSTALL_LIBDIR}/pkgconfig /root)
string(REGEX REPLACE "/$" "" VEL_PC_TO_PREFIX "${VEL_PC_TO_PREFIX}")
configure_file(${CMAKE_SOURCE_DIR}/cmake/vel.pc.in ${CMAKE_BINARY_DIR}/vel.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/vel.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
