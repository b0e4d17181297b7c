#pragma once

// Asks the desktop to open "Lisez-moi.pdf" of the current directory; nothing is shown when it
// cannot.
void OpenReadme();
