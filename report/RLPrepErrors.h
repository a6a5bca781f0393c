#pragma once
// Errors the preparation raises itself.
#include <stdexcept>
#include <string>

namespace luvenor {

// A control that needs a container it is not inside: "<text 18>: <name>.Parent...".
class ERLNotFound : public std::runtime_error {
public:
    explicit ERLNotFound(const std::string& what);
};

// The class name shown for an error in the preparation's message ("EConvertError", ...).
std::string NomeDaClasseDoErro(const std::exception& error);

}  // namespace luvenor
