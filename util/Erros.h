#pragma once
// Error types raised by the helpers; callers catch them and show their message.
#include <stdexcept>
#include <string>

namespace luvenor {

// A text that cannot be converted to the number or date it should stand for.
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const std::string& mensagem) : std::runtime_error(mensagem) {}
};

}  // namespace luvenor
