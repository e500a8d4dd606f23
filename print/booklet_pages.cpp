#include "print/booklet_pages.h"

#include "reports/booklet_layouts.h"

#include <initializer_list>
#include <utility>

namespace Tavo::BookletPages {

namespace {
using FieldValues = std::initializer_list<std::pair<QStringView, QString>>;

TabellaPagine::Result appendRow(TabellaPagine &table, FieldValues values)
{
    if (auto r = table.addNew(); !r.ok)
        return r;
    for (const auto &[field, value] : values) {
        if (auto r = table.setValue(field, value); !r.ok)
            return r;
    }
    return table.update();
}

TabellaPagine::Result defineFields(TabellaPagine &table,
                                   std::initializer_list<std::pair<QString, int>> fields)
{
    for (const auto &[name, maxLength] : fields) {
        if (auto r = table.addField(name, maxLength); !r.ok)
            return r;
    }
    return {};
}

// Original page i, then its copy: the copy has no cut line.
TabellaPagine::Result fillA5(int n, TabellaPagine &table)
{
    const QString cut = Reports::cutLineText();
    for (int i = 1; i <= n; ++i) {
        const QString page = pageNumberText(i, n);
        if (auto r = appendRow(
                table, {{u"titolo", kOriginalHeading}, {u"pagina", page}, {u"taglia", cut}});
            !r.ok)
            return r;
        if (auto r = appendRow(
                table, {{u"titolo", kCopyHeading}, {u"pagina", page}, {u"taglia", QString()}});
            !r.ok)
            return r;
    }
    return {};
}

TabellaPagine::Result fillA4(int n, TabellaPagine &table)
{
    for (int i = 1; i <= n; ++i) {
        if (auto r = appendRow(table, {{u"pagina", pageNumberText(i, n)}}); !r.ok)
            return r;
    }
    return {};
}

// Collated: sheet i carries pages i and n/2 + i, so the stack folds into page order.
TabellaPagine::Result fillA4Collated(int n, TabellaPagine &table)
{
    const QString cut = Reports::cutLineText();
    const int half = n / 2;
    for (int i = 1; i <= half; ++i) {
        const QString left = pageNumberText(i, n);
        const QString right = pageNumberText(half + i, n);
        if (auto r = appendRow(table, {{u"taglia", cut},
                                       {u"titolo", kOriginalHeading},
                                       {u"pagina1", left},
                                       {u"pagina2", right}});
            !r.ok)
            return r;
        if (auto r = appendRow(table, {{u"taglia", QString()},
                                       {u"titolo", kCopyHeading},
                                       {u"pagina1", left},
                                       {u"pagina2", right}});
            !r.ok)
            return r;
    }
    return {};
}
} // namespace

QString layoutName(Layout layout)
{
    switch (layout) {
    case Layout::RptLibGuide:
        return QStringLiteral("RptLibGuide");
    case Layout::RptLibGuideA4:
        return QStringLiteral("RptLibGuideA4");
    case Layout::RptLibGuideA4f:
        return QStringLiteral("RptLibGuideA4f");
    }
    return {};
}

std::unique_ptr<Reports::ReportLayout> createReport(Layout layout)
{
    switch (layout) {
    case Layout::RptLibGuide:
        return Reports::createRptLibGuide();
    case Layout::RptLibGuideA4:
        return Reports::createRptLibGuideA4();
    case Layout::RptLibGuideA4f:
        return Reports::createRptLibGuideA4f();
    }
    return nullptr;
}

Layout chooseLayout(const Settings &settings)
{
    if (settings.CfgFormato == u"A5")
        return Layout::RptLibGuide;
    return settings.CfgFascicola ? Layout::RptLibGuideA4f : Layout::RptLibGuideA4;
}

QString pageNumberText(int page, int pageCount)
{
    return QString::number(page) + QStringLiteral(" di ") + QString::number(pageCount);
}

QString compositionStatement(int pageCount)
{
    return QStringLiteral("IL PRESENTE BLOCCO DELLE LEZIONI DI GUIDA SI COMPONE DI ") +
           QString::number(pageCount) + QStringLiteral(" COPPIE DI PAGINE IN ORIGINALE E COPIA");
}

TabellaPagine::Result fillPageTable(Layout layout, int pageCount, TabellaPagine &table)
{
    TabellaPagine::Result result;
    switch (layout) {
    case Layout::RptLibGuide:
        result = defineFields(table, {{QStringLiteral("titolo"), 60},
                                      {QStringLiteral("pagina"), 10},
                                      {QStringLiteral("taglia"), 140}});
        if (result.ok)
            result = fillA5(pageCount, table);
        break;
    case Layout::RptLibGuideA4:
        result = defineFields(table, {{QStringLiteral("pagina"), 10}});
        if (result.ok)
            result = fillA4(pageCount, table);
        break;
    case Layout::RptLibGuideA4f:
        result = defineFields(table, {{QStringLiteral("taglia"), 110},
                                      {QStringLiteral("titolo"), 40},
                                      {QStringLiteral("pagina1"), 10},
                                      {QStringLiteral("pagina2"), 10}});
        if (result.ok)
            result = fillA4Collated(pageCount, table);
        break;
    }
    table.moveFirst();
    return result;
}

} // namespace Tavo::BookletPages
