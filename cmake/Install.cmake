# Install rules: the libraries with their public headers under include/zelvant, the
# language file and the example forms under share/zelvant, the programs, a CMake
# package (find_package(Zelvant)) and a pkg-config file (zelvant.pc).
include(CMakePackageConfigHelpers)

set(ZELVANT_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Zelvant)
get_property(zelvant_libraries GLOBAL PROPERTY ZELVANT_LIBRARIES)

install(TARGETS ${zelvant_libraries} EXPORT ZelvantTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Public headers keep their source paths: #include "zelvant/ZelvA.h", "host/forms/Forms.h".
install(DIRECTORY host zelvant DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zelvant
  FILES_MATCHING PATTERN "*.h")
install(FILES examples/Zelv.ini DESTINATION ${CMAKE_INSTALL_DATADIR}/zelvant)
install(DIRECTORY examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/zelvant/examples
  FILES_MATCHING PATTERN "*.dfm" PATTERN "*.ini" PATTERN "consumer" EXCLUDE)

foreach(program zelvant-demo formtool zelvant-designer)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
# The designer reads its language file from its own directory.
if(TARGET zelvant-designer)
  install(FILES examples/Zelv.ini DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(EXPORT ZelvantTargets NAMESPACE Zelvant:: DESTINATION ${ZELVANT_CMAKE_DIR})
set(ZELVANT_WITH_SDL ${SDL2_FOUND})
configure_package_config_file(cmake/ZelvantConfig.cmake.in ${PROJECT_BINARY_DIR}/ZelvantConfig.cmake
  INSTALL_DESTINATION ${ZELVANT_CMAKE_DIR} PATH_VARS CMAKE_INSTALL_DATADIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/ZelvantConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/ZelvantConfig.cmake ${PROJECT_BINARY_DIR}/ZelvantConfigVersion.cmake
  DESTINATION ${ZELVANT_CMAKE_DIR})

# The .pc file finds its prefix from where it lies, so an installed tree can be moved.
file(RELATIVE_PATH ZELVANT_PC_TO_PREFIX "/prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/prefix")
string(REGEX REPLACE "/$" "" ZELVANT_PC_TO_PREFIX "${ZELVANT_PC_TO_PREFIX}")
configure_file(cmake/zelvant.pc.in ${PROJECT_BINARY_DIR}/zelvant.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/zelvant.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
