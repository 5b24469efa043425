#pragma once

// Marks a text of the program's that the desktop's language may replace. The text is its own
// id: where no translation is installed (in English, in the C locale) it shows exactly as
// written. lupdate collects every text so marked, and every text handed to translated(),
// into the translation files of translations/.
#define TRANSLATABLE(text) text
