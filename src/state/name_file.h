#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace olvane
{

/// The name file of a nation, relative to the game folder ("BAZE/IME/F30_NUSA.TXT" for the
/// United States); empty for a code that names no nation.
std::string NameFileOf(int nation);

/// The class whose name list a class uses: sister classes share a list (a Fleet Submarine is
/// named from the Heavy Submarines', every auxiliary from the Auxiliary ships'), the rest use
/// their own.
int NameListClassOf(int c);

/// The names of list k in a name file's text, as the 16-character fields stand in the file
/// (shorter where a line ends early). A list is 10, 15 or 20 names long: its first two name
/// lines always belong to it, the third and fourth only when they carry the list's number too.
/// A list the text does not hold, or that the text cuts short, gives what is there.
std::vector<std::string> ReadNameList(std::string_view text, int k);

} // namespace olvane
