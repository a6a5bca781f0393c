#include "report/RLPrepErrors.h"

#include "report/RLTexts.h"

#include <cxxabi.h>
#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace luvenor {

ERLNotFound::ERLNotFound(const std::string& what)
    : std::runtime_error(LSTexto(TextoRL::NaoEncontrado) + ": " + what) {}

std::string NomeDaClasseDoErro(const std::exception& error) {
    const char* bruto = typeid(error).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> nome(abi::__cxa_demangle(bruto, nullptr, nullptr, &status),
                                                std::free);
    std::string texto = (status == 0 && nome) ? nome.get() : bruto;
    // Only the class's own name: "luvenor::EConvertError" -> "EConvertError".
    const auto pos = texto.rfind("::");
    return pos == std::string::npos ? texto : texto.substr(pos + 2);
}

}  // namespace luvenor
