#pragma once
// Texts in the JSON forms of the report (JSON, SARIF): strings in UTF-8,
// from the files' code page, quotes, backslashes and control characters
// escaped.

// Prints the text as a JSON string.
void PrintJsonString(const char* text);
// Prints before as it stands, then the text as a JSON string.
void PrintJsonField(const char* before, const char* text);
