#include "report/RLSystemInfo.h"

#include "report/RLReport.h"

#include <QLocale>

namespace luvenor {
namespace {

// Brazilian formats whatever the machine's locale.
std::string Formatar(const QDateTime& quando, const char* formato) {
    return quando.toString(QString::fromLatin1(formato)).toStdString();
}

}  // namespace

std::string MontarTextoDoCampo(const std::string& frame, const std::string& value) {
    if (value.find("^CLEAR") != std::string::npos) return {};
    std::string texto = frame.substr(0, frame.find('|'));
    const auto cerquilha = texto.find('#');
    if (cerquilha == std::string::npos) return texto + value;
    return texto.replace(cerquilha, 1, value);
}

std::string TRLCustomSystemInfo::CurrentText() const {
    return MontarTextoDoCampo(Text, Value());
}

std::string TRLCustomSystemInfo::Value() const {
    const TRLCustomReport* report = ParentReport();
    const QDateTime quando = report ? report->PrepareDateTime() : QDateTime::currentDateTime();
    switch (Info) {
        case TRLInfoType::itPageNumber:
            return std::to_string(report ? report->PageNumber() : 0);
        case TRLInfoType::itLastPageNumber:
            return "{LastPageNumber}";
        case TRLInfoType::itDate:
            return Formatar(quando, "dd/MM/yyyy");
        case TRLInfoType::itHour:
            return Formatar(quando, "HH:mm:ss");
        case TRLInfoType::itNow:
            return Formatar(quando, "dd/MM/yyyy HH:mm:ss");
        case TRLInfoType::itFullDate: {
            const QLocale brasil(QLocale::Portuguese, QLocale::Brazil);
            return brasil.toString(quando.date(), QStringLiteral("dddd, d 'de' MMMM 'de' yyyy"))
                .toStdString();
        }
        case TRLInfoType::itTitle:
            return report ? report->Title : std::string();
        case TRLInfoType::itDetailCount: {
            const TRLCustomPager* pager = ParentPager();
            return std::to_string(pager ? pager->DetailCount() : 0);
        }
    }
    return {};
}

}  // namespace luvenor
