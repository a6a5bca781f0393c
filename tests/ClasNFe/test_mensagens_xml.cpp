// A file that is not well-formed XML is refused with the parser's reason in Portuguese, at the
// line and column where it stopped.
#include "ClasNFe/AnaliseXml.h"

#include <gtest/gtest.h>

#include <string>

using namespace luvenor;

namespace {

struct CasoErro {
    const char* nome;
    const char* xml;
    std::string mensagem;
};

class MensagemDoParser : public ::testing::TestWithParam<CasoErro> {};

TEST_P(MensagemDoParser, IsInPortugueseWithItsPosition) {
    const AnaliseXml a = AnalisarXml(GetParam().xml, "teste.xml");
    EXPECT_FALSE(a.documento);
    EXPECT_EQ(a.erro, GetParam().mensagem);
}

INSTANTIATE_TEST_SUITE_P(
    Erros, MensagemDoParser,
    ::testing::Values(
        CasoErro{"MismatchedEndTag", "<?xml version=\"1.0\"?>\n<nfeProc>\n<NFe></nfe>",
                 "linha 3, coluna 12: a marca <NFe> (aberta na linha 3) termina com </nfe>"},
        CasoErro{"FileEndsInsideAnElement", "<nfeProc>\n  <NFe>",
                 "linha 2, coluna 8: o arquivo termina antes do fim da marca <NFe> (aberta na linha 2)"},
        CasoErro{"NotXmlAtAll", "isto não é XML",
                 "linha 1, coluna 1: o documento está vazio ou não começa por uma marca XML"},
        CasoErro{"EmptyFile", "",
                 "linha 1, coluna 1: o documento está vazio ou não começa por uma marca XML"},
        CasoErro{"TextAfterTheRoot", "<a/>\nsobra",
                 "linha 2, coluna 1: há conteúdo depois do fim do documento"},
        CasoErro{"RepeatedAttribute", "<a x=\"1\" x=\"2\"/>",
                 "linha 1, coluna 15: atributo repetido na mesma marca: x"},
        CasoErro{"UnquotedValue", "<a x=1/>",
                 "linha 1, coluna 6: o valor do atributo deve começar com aspas"},
        CasoErro{"UndeclaredEntity", "<a>&nbsp;</a>", "linha 1, coluna 10: entidade não declarada: &nbsp;"},
        CasoErro{"WrongEncoding", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><a>S\xe3o</a>",
                 "linha 1, coluna 43: caractere não permitido em XML"}),
    [](const ::testing::TestParamInfo<CasoErro>& i) { return std::string(i.param.nome); });

}  // namespace
