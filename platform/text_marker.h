#pragma once

#include "platform/text.h"

// Marks a text for translation in code without Qt. Qt's lupdate finds these
// markers by their names and reads the context and the English; the text
// keeps both, to be translated where it reaches the toolkit. Qt defines the
// same names for its own code, so only code without Qt includes this.
#define QT_TRANSLATE_NOOP(context, english) ::plenk::Text(context, english)
// A text with %n, filled by a count that picks the plural form (with_count).
#define QT_TRANSLATE_N_NOOP(context, english) ::plenk::Text(context, english)
