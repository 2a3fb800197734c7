#pragma once
// What a form file holds.
#include <ostream>
#include <string>

// Loads a form file (binary, resource or text, told apart by content) and
// prints its objects and their properties as the stream holds them; when the
// root's class is registered, also reads it into components and lists them
// with their published properties. Raises the read error on a bad file.
void PrintFormFile(const std::string& path, std::ostream& out);
