#pragma once

class QCoreApplication;

// Makes the toolkit's own texts (a text box's context menu, ...) Bulgarian,
// from the translation built into the program, whatever the user's locale.
void InstallBulgarianTranslations(QCoreApplication& app);
