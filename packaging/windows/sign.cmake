# Run by CPack before it zips the Windows program: signs the staged, stripped
# hexling.exe with Authenticode (SHA-256) where HEXLING_SIGNING_CERT and
# HEXLING_SIGNING_KEY name a code-signing certificate and its key (PEM or
# DER), with Debian's osslsigncode; otherwise says that it is unsigned.
set(program ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/${CPACK_HEXLING_WINDOWS_FOLDER}/hexling.exe)
if(NOT DEFINED ENV{HEXLING_SIGNING_CERT} OR NOT DEFINED ENV{HEXLING_SIGNING_KEY})
  message(STATUS "hexling.exe is not signed: HEXLING_SIGNING_CERT and HEXLING_SIGNING_KEY name no certificate and key")
  return()
endif()
find_program(OSSLSIGNCODE osslsigncode REQUIRED)
execute_process(COMMAND ${OSSLSIGNCODE} sign -certs $ENV{HEXLING_SIGNING_CERT} -key $ENV{HEXLING_SIGNING_KEY}
                        -h sha256 -n Hexling -i https://hexling.org -in ${program} -out ${program}.signed
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "osslsigncode could not sign hexling.exe with $ENV{HEXLING_SIGNING_CERT}")
endif()
file(RENAME ${program}.signed ${program})
message(STATUS "hexling.exe is signed with $ENV{HEXLING_SIGNING_CERT}")
