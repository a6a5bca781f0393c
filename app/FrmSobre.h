#pragma once
// The contact window: which program file runs and its date, the operating system, and how to
// reach the maker, with a link to the contact page.
#include <QDialog>
#include <QString>

class QLabel;

namespace luvenor {

// The operating-system line of an NT-family or old consumer system (platform 1 or 2), at most 51
// characters; other families give an empty line.
QString LinhaVersaoWindows(int plataforma, int maior, int menor, int build);

// The operating-system line of the running system: its name, version and kernel on one line of at
// most 51 characters.
QString GetWindowsVersion();

// "Versão de " and the program file's date and time (Brazilian formats); the time is left out when
// the file's time stamp falls exactly at midnight.
QString TextoVersaoDoArquivo(const QString& caminhoPrograma);

// "Luvenor " and the program's release number.
QString TextoVersaoPrograma();

class TFrmSobre : public QDialog {
    Q_OBJECT

public:
    explicit TFrmSobre(QWidget* parent = nullptr);
    ~TFrmSobre() override;

    static QString EnderecoContato();  // the contact page the site line opens

    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* LbVersaoWindows = nullptr;
    QLabel* LbVersaoPrograma = nullptr;
    QLabel* Label2 = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void FormCreate();
    void FormShow();
    void Label2Click();
    void Label2MouseEnter();
    void Label2MouseLeave();
    static void JumpTo(const QString& hostECaminho);

    QString caminhoPrograma_;
    bool cursorDoLink_ = false;
};

}  // namespace luvenor
