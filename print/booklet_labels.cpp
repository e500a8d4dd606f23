#include "print/booklet_labels.h"

#include "reports/report_layout.h"

#include <QList>

namespace Tavo::BookletLabels {

namespace {
struct LabelValue
{
    QStringList labels;      // in every layout
    QStringList rightLabels; // further labels of the A4 layouts
    QString text;
};
} // namespace

QString fill(Reports::ReportLayout &report, BookletPages::Layout layout, const Settings &settings,
             const LearnerTexts &learner)
{
    const PrintInput &in = learner.input;
    const QList<LabelValue> values = {
        {{QStringLiteral("Ag11"), QStringLiteral("Ag21")},
         {QStringLiteral("Ag31")},
         settings.CfgAutoscuola1},
        {{QStringLiteral("Ag12"), QStringLiteral("Ag22")},
         {QStringLiteral("Ag32")},
         settings.CfgAutoscuola2},
        {{QStringLiteral("Ag13"), QStringLiteral("Ag23")},
         {QStringLiteral("Ag33")},
         settings.CfgAutoscuola3},
        {{QStringLiteral("Ag14"), QStringLiteral("Ag24")},
         {QStringLiteral("Ag34")},
         settings.CfgAutoscuola4},
        {{QStringLiteral("Cod1"), QStringLiteral("Cod2")},
         {QStringLiteral("Cod3")},
         settings.CfgCodice},
        {{QStringLiteral("Cognome1"), QStringLiteral("Cognome2")},
         {QStringLiteral("Cognome3")},
         in.nome},
        {{QStringLiteral("compone")}, {}, BookletPages::compositionStatement(learner.pageCount)},
        {{QStringLiteral("UMC")}, {QStringLiteral("UMC2")}, learner.officeName},
        {{QStringLiteral("NumFR")}, {QStringLiteral("NumFR2")}, in.aut},
        {{QStringLiteral("Istruttore")}, {QStringLiteral("Istruttore2")}, in.istruttore},
        {{QStringLiteral("Targa")}, {QStringLiteral("Targa2")}, in.targa},
    };
    const bool a4 = BookletPages::isA4(layout);
    for (const LabelValue &value : values) {
        QStringList names = value.labels;
        if (a4)
            names += value.rightLabels;
        for (const QString &name : names) {
            if (!report.setLabelText(name, value.text))
                return QStringLiteral("Il modulo %1 non ha l'etichetta %2")
                    .arg(BookletPages::layoutName(layout), name);
        }
    }
    return {};
}

} // namespace Tavo::BookletLabels
