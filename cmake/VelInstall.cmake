include(CMakePackageConfigHelpers)

install(TARGETS vel EXPORT VelTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/include/vel DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
# The validation files go beside the installed library, where it looks for them.
install(DIRECTORY ${VEL_OUTPUT_DIR}/ DESTINATION ${CMAKE_INSTALL_LIBDIR}
  FILES_MATCHING PATTERN "*.vmd"
  PATTERN "CMakeFiles" EXCLUDE)
install(DIRECTORY ${VEL_OUTPUT_DIR}/lang/ DESTINATION ${CMAKE_INSTALL_DATADIR}/vel/lang OPTIONAL)
install(DIRECTORY ${VEL_OUTPUT_DIR}/reports/ DESTINATION ${CMAKE_INSTALL_DATADIR}/vel/reports OPTIONAL)

install(EXPORT VelTargets NAMESPACE Vel:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Vel)
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/VelConfig.cmake.in
  ${CMAKE_BINARY_DIR}/VelConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Vel)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/VelConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/VelConfig.cmake ${CMAKE_BINARY_DIR}/VelConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Vel)

# vel.pc finds its prefix relative to its own folder, so `cmake --install --prefix` anywhere
# gives a working file.
file(RELATIVE_PATH VEL_PC_TO_PREFIX /root/${CMAKE_INSTALL_LIBDIR}/pkgconfig /root)
string(REGEX REPLACE "/$" "" VEL_PC_TO_PREFIX "${VEL_PC_TO_PREFIX}")
configure_file(${CMAKE_SOURCE_DIR}/cmake/vel.pc.in ${CMAKE_BINARY_DIR}/vel.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/vel.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
