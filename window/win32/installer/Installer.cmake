# The Windows Installer package (revolutions-quiz.msi beside the program),
# built with wixl where it is found (Debian: wixl and msitools).
find_program(QUIZ_WIXL wixl)
find_program(QUIZ_MSIBUILD msibuild)
if(NOT QUIZ_WIXL OR NOT QUIZ_MSIBUILD)
  message(STATUS "wixl or msibuild not found: no MSI package (Debian: wixl, msitools)")
  return()
endif()

# The package's identity: never change the upgrade code, or a new version
# would sit beside an old one. The product code follows from the version,
# so every build of one version is one product.
set(QUIZ_UPGRADE_CODE AA67C589-BAED-43F5-BD03-1AC870850A4F)
set(QUIZ_COMPONENT_CODE 94031F4F-BD74-4FDA-9E30-8CAB946D4FB0)
string(UUID QUIZ_PRODUCT_CODE NAMESPACE ${QUIZ_UPGRADE_CODE} NAME ${PROJECT_VERSION}
       TYPE SHA1 UPPER)

# wixl finds files only relative to the folder it runs in: the program's.
file(RELATIVE_PATH QUIZ_MSI_ICON ${CMAKE_CURRENT_BINARY_DIR} ${QUIZ_ICON})
set(wxs ${CMAKE_CURRENT_BINARY_DIR}/revolutions-quiz.wxs)
configure_file(${CMAKE_CURRENT_LIST_DIR}/revolutions-quiz.wxs.in ${wxs} @ONLY)

# wixl stamps the package with the time and a random package code, and the
# cabinet with the program file's time: msi_identity.py sets the times to
# SOURCE_DATE_EPOCH's, when it is set as the build is configured, and the code
# to one made from the content.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(QUIZ_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")

# wixl 0.101 writes the tables' texts in a code page that holds no Cyrillic
# and drops what it cannot convert; msibuild sets Windows' Cyrillic code page
# and writes those texts back.
set(codepage_idt ${CMAKE_CURRENT_BINARY_DIR}/_ForceCodepage.idt)
file(WRITE ${codepage_idt} "\r\n\r\n1251\t_ForceCodepage\r\n")
set(msi ${CMAKE_CURRENT_BINARY_DIR}/revolutions-quiz.msi)
add_custom_command(
  OUTPUT ${msi}
  COMMAND ${QUIZ_WIXL} --arch x86 -o ${msi}.part ${wxs}
  COMMAND ${QUIZ_MSIBUILD} ${msi}.part -i ${codepage_idt}
    -q "UPDATE `Property` SET `Value` = '${QUIZ_PRODUCT_NAME}' WHERE `Property` = 'ProductName'"
    -q "UPDATE `Shortcut` SET `Name` = '${QUIZ_PRODUCT_NAME}' WHERE `Shortcut` = 'StartMenuShortcut'"
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/msi_identity.py ${msi}.part
    ${QUIZ_SOURCE_DATE_EPOCH}
  COMMAND ${CMAKE_COMMAND} -E rename ${msi}.part ${msi}
  DEPENDS revolutions-quiz ${wxs} ${QUIZ_ICON} ${CMAKE_CURRENT_LIST_DIR}/msi_identity.py
  WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
  COMMENT "Building the Windows Installer package"
  VERBATIM)
add_custom_target(msi ALL DEPENDS ${msi})
