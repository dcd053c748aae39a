# The hardening Debian gives its packages (dpkg-buildflags with
# hardening=+all): fortified string and memory calls, stack protector,
# position-independent executables, read-only relocations bound at start.
# Only for optimized builds without sanitizers: fortification needs the
# optimizer, and the sanitizers bring checks of their own.
option(SCRIVLETTE_HARDEN "Build with Debian's hardening flags" ON)

if(SCRIVLETTE_HARDEN AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$"
   AND NOT (SCRIVLETTE_SANITIZE OR SCRIVLETTE_THREAD_SANITIZE OR SCRIVLETTE_FUZZ
            OR SCRIVLETTE_COVERAGE))
    add_compile_options(-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2 -fstack-protector-strong
                        -Wformat -Werror=format-security)
    add_link_options(-Wl,-z,relro -Wl,-z,now)
    include(CheckPIESupported)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
endif()
