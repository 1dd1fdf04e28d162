# A Debian package of the Linux program: dependencies come from the linked
# libraries, plus the font that the window's Times New Roman resolves to.
# Its manual page, copyright and changelog are in packaging/; Debian wants
# the page and the changelog compressed, without a time stamp.
set(QUIZ_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(quiz_gzipped ${CMAKE_BINARY_DIR}/packaging)
foreach(file revolutions-quiz.1 changelog)
  add_custom_command(
    OUTPUT ${quiz_gzipped}/${file}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${quiz_gzipped}
    COMMAND gzip -9nc ${QUIZ_PACKAGING_DIR}/${file} > ${quiz_gzipped}/${file}.gz
    DEPENDS ${QUIZ_PACKAGING_DIR}/${file}
    VERBATIM)
endforeach()
add_custom_target(packaging_docs ALL
  DEPENDS ${quiz_gzipped}/revolutions-quiz.1.gz ${quiz_gzipped}/changelog.gz)

install(FILES ${quiz_gzipped}/revolutions-quiz.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
set(quiz_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/revolutions-quiz)
install(FILES ${QUIZ_PACKAGING_DIR}/copyright ${quiz_gzipped}/changelog.gz
        DESTINATION ${quiz_doc_dir})
install(FILES ${QUIZ_PACKAGING_DIR}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME revolutions-quiz)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME revolutions-quiz)
set(CPACK_PACKAGE_VENDOR "Велмора")
set(CPACK_PACKAGE_CONTACT "Велмора <quiz@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Matching quiz of revolutions, countries and years (Bulgarian)")
set(CPACK_PACKAGE_DESCRIPTION
  "A small desktop quiz, in Bulgarian, for a school lesson that joins History
and Informatics. One window lists twelve revolutions and twelve countries,
each with a year or a period. The pupil picks one of each and checks the
pair: the quiz says whether they belong together, counts right and wrong
answers and takes a right pair out of play.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
include(CPack)
