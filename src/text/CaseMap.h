// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Capital and small letters.  Inside code page 1252 the case pairs are
// A-Z/a-z, À-Þ/à-þ (without ×/÷), Š/š, Œ/œ, Ž/ž and Ÿ/ÿ; ß and µ have no other
// form.  Characters outside code page 1252 use the simple Unicode mapping.
#include "text/Text.h"

namespace tesmoran {

Char ToUpperChar(Char c);
Char ToLowerChar(Char c);
Text ToUpper(TextView text);
Text ToLower(TextView text);

// Takes the case of characters outside code page 1252 from the C library's
// locale `name` from now on; a name the system does not know stands for a
// system without that locale.  For tests only: the program itself uses
// "C.UTF-8".
void UseCaseLocaleForTesting(const char* name);

}  // namespace tesmoran
