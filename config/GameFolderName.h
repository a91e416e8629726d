#pragma once
// What both programs say, each in one box captioned "Error!", when no ANSI
// program can name the game folder (platform::NameCurrentFolder answers
// None): they end then, writing nothing, since every path they would build
// would name another file.
inline constexpr char kFolderNotInCodePageMessage[] =
    "The game folder's path holds letters this system cannot give to the game: move the game to a folder whose "
    "path uses only this system's letters.";
