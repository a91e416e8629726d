#pragma once
// Letter case as the profile functions and file names ignore it: the ASCII
// letters only.

inline char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
