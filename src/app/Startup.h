#pragma once

class QApplication;

// Everything the program sets up between creating the application object and its window.
void prepareApplication(QApplication& application);
