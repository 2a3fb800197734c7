#pragma once
// What a loaded package says about itself.
namespace Lxv {

const char* PackageName();         // "LxvD3", "Lxvc3" or "LxvD4"
const char* PackageDescription();  // "Korvane Lexivar"
int PackageGeneration();           // host generation it was built for

}  // namespace Lxv
