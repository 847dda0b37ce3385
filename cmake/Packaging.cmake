# A Debian package: cpack -G DEB in the build folder. Library dependencies come from
# dpkg-shlibdeps, so the package asks for exactly the Qt and OpenSSL it was built against.
set(CPACK_PACKAGE_NAME "meridock-netconf")
set(CPACK_PACKAGE_VENDOR "MERIDOCK")
set(CPACK_PACKAGE_CONTACT "MERIDOCK network configuration developers <netconf@meridock.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Prepare the network configuration of a MERIDOCK reader")
# Debian wants the extended description in lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Edit the wired LAN, up to 30 prioritised Wi-Fi profiles and the wireless\nswitch of a MERIDOCK reader and write them as NetworkSetting.ini onto its\nSD card. Includes meridock-netconf-check, a command-line checker for\nsettings files.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "net")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libcrypto is opened when the first secret is sealed (src/core/cipher/Libcrypto.cpp), so
# dpkg-shlibdeps does not see it. The package that ships the libcrypto this build used is named
# here, and CPack adds the computed dependencies after it.
get_filename_component(_meridock_crypto_file "${OPENSSL_CRYPTO_LIBRARY}" REALPATH)
execute_process(COMMAND dpkg-query --search "${_meridock_crypto_file}"
    OUTPUT_VARIABLE _meridock_crypto_owner ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
if(_meridock_crypto_owner MATCHES "^([^:,]+)(:[^:,]+)?: ")
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1} (>= ${OPENSSL_VERSION})")
else()
    message(WARNING "No Debian package ships ${_meridock_crypto_file}; the package will not depend on libcrypto")
endif()
# Qt's own dialog texts (file dialogs, standard buttons) in the window's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://meridock.invalid/netconf")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
include(CPack)
