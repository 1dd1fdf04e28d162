#include "MainPage.h"

int main() {
    // The page answers clicks after main returns, for as long as the document
    // is open; the runtime stays, and so does the page, never destroyed.
    new MainPage();
    return 0;
}
