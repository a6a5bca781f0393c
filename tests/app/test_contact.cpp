// The contact window: the program file's path and date, the operating-system line and the link.
#include "reportui/JanelasTeste.h"

#include "app/FrmSobre.h"

#include "LuvenorPrograma.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace luvenor;

namespace {

TEST(LinhaDoSistema, OldFamiliesAndNtFormatTheirNumbers) {
    EXPECT_EQ(LinhaVersaoWindows(2, 6, 1, 7601), QStringLiteral("Microsoft Windows NT Version 6.01.7601"));
    EXPECT_EQ(LinhaVersaoWindows(2, 10, 0, 19045),
              QStringLiteral("Microsoft Windows NT Version 10.00.19045"));
    EXPECT_EQ(LinhaVersaoWindows(2, 5, 1, 0x0A280A28),
              QStringLiteral("Microsoft Windows NT Version 5.01.2600"))
        << "only the low 16 bits of the build";
    EXPECT_EQ(LinhaVersaoWindows(1, 4, 10, 2222), QStringLiteral("Windows 98 - Version 4.10.2222"));
    EXPECT_EQ(LinhaVersaoWindows(1, 4, 0, 950), QStringLiteral("Windows 95 - Version 4.0 Build 950"));
    EXPECT_EQ(LinhaVersaoWindows(3, 1, 0, 0), QString());
}

TEST(LinhaDoSistema, TheRunningSystemFitsOneLineOf51Characters) {
    const QString linha = GetWindowsVersion();
    EXPECT_FALSE(linha.isEmpty());
    EXPECT_LE(linha.size(), 51);
}

TEST(VersaoDoArquivo, ShowsTheFilesOwnDateAndLeavesMidnightOut) {
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("programa"));
    QFile f(caminho);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.setFileTime(QDateTime(QDate(2024, 3, 7), QTime(14, 5, 9)), QFileDevice::FileModificationTime);
    f.close();
    EXPECT_EQ(TextoVersaoDoArquivo(caminho), QStringLiteral("Versão de 07/03/2024 14:05:09"));
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.setFileTime(QDateTime(QDate(2024, 12, 25), QTime(0, 0)), QFileDevice::FileModificationTime);
    f.close();
    EXPECT_EQ(TextoVersaoDoArquivo(caminho), QStringLiteral("Versão de 25/12/2024"));
}

TEST(JanelaContato, ShowsTheProgramPathItsDateAndTheContactLines) {
    teste::GarantirAplicacaoComJanelas();
    TFrmSobre sobre;
    EXPECT_EQ(sobre.windowTitle(), QStringLiteral("Informações de Contato"));
    sobre.show();
    EXPECT_EQ(sobre.ProductName->text(), QCoreApplication::applicationFilePath());
    EXPECT_TRUE(sobre.ProductName->font().bold());
    EXPECT_EQ(sobre.Version->text(), TextoVersaoDoArquivo(QCoreApplication::applicationFilePath()));
    EXPECT_EQ(sobre.LbVersaoWindows->text(), GetWindowsVersion());
    // The release number sits under the logo; the date line keeps the file's own date.
    EXPECT_EQ(sobre.LbVersaoPrograma->text(),
              QStringLiteral("Luvenor ") + QString::fromLatin1(VersaoPrograma));
    EXPECT_FALSE(sobre.Version->text().contains(QString::fromLatin1(VersaoPrograma)));
    EXPECT_TRUE(sobre.Label2->text().startsWith(QStringLiteral("site: ")));
    EXPECT_EQ(TFrmSobre::EnderecoContato(),
              QStringLiteral("http://") + sobre.Label2->text().mid(6) + QStringLiteral("/contato.html"));
    const auto botoes = sobre.findChildren<QPushButton*>();
    ASSERT_EQ(botoes.size(), 1);
    EXPECT_EQ(botoes[0]->text(), QStringLiteral("&Sair"));
    botoes[0]->click();
    EXPECT_EQ(sobre.result(), QDialog::Accepted);
    EXPECT_FALSE(sobre.isVisible());
}

TEST(JanelaContato, HoveringTheSiteLineSetsTheHandCursorForTheWholeApplication) {
    teste::GarantirAplicacaoComJanelas();
    {
        TFrmSobre sobre;
        sobre.show();
        const QColor normal = sobre.Label2->palette().color(QPalette::WindowText);
        QEvent entra(QEvent::Enter);
        QApplication::sendEvent(sobre.Label2, &entra);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
        EXPECT_EQ(sobre.Label2->palette().color(QPalette::WindowText),
                  sobre.Label2->palette().color(QPalette::Link));
        QEvent sai(QEvent::Leave);
        QApplication::sendEvent(sobre.Label2, &sai);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(sobre.Label2->palette().color(QPalette::WindowText), normal);
        QApplication::sendEvent(sobre.Label2, &entra);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "closing the window never leaves the hand behind";
}

}  // namespace
