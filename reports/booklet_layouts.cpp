#include "reports/booklet_layouts.h"

#include "reports/booklet_cover.h"
#include "reports/booklet_lesson_page.h"

namespace Tavo::Reports {

namespace {

constexpr int a5Width = 7380;
constexpr int a4Width = 15750;
constexpr int a5HeaderHeight = 12915;
constexpr int a4HeaderHeight = 10785;
constexpr int detailHeight = 10800;

QString originalHeading()
{
    return QStringLiteral("ORIGINALE (retro a carta di ricalco)");
}

void addAll(ReportLayout &layout, ReportSection::Kind section,
            const std::vector<ReportControl> &controls)
{
    for (const ReportControl &control : controls) {
        const bool added = layout.addControl(section, control);
        Q_ASSERT_X(added, "addAll", "control names are unique within a layout");
        Q_UNUSED(added);
    }
}

// The cover on the left half, its back and the fold marks on the right half.
void addA4Header(ReportLayout &layout, bool collated)
{
    addAll(layout, ReportSection::Kind::ReportHeader, coverFrontControls());
    addAll(layout, ReportSection::Kind::ReportHeader, coverBackA4Controls(collated));
}

std::unique_ptr<ReportLayout> a4Layout(const QString &name, const LessonPageBindings &original,
                                       const LessonPageBindings &copy, bool collated)
{
    auto layout = std::make_unique<ReportLayout>(name, a4Width, a4HeaderHeight, detailHeight);
    layout->setDesignPage(QPageSize::A4, QPageLayout::Landscape);
    addA4Header(*layout, collated);
    const std::vector<ReportControl> leftHalf = lessonPageControls(original);
    addAll(*layout, ReportSection::Kind::Detail, leftHalf);
    addAll(*layout, ReportSection::Kind::Detail,
           copyHalfControls(leftHalf, original.cutLineName, copy));
    return layout;
}

} // namespace

QString cutLineText()
{
    QStringList hyphens;
    for (int i = 0; i < 52; ++i)
        hyphens.append(QStringLiteral("-"));
    return hyphens.join(QLatin1Char(' '));
}

std::unique_ptr<ReportLayout> createRptLibGuide()
{
    auto layout = std::make_unique<ReportLayout>(QStringLiteral("RptLibGuide"), a5Width,
                                                 a5HeaderHeight, detailHeight);
    layout->setDesignPage(QPageSize::A5, QPageLayout::Portrait);
    addAll(*layout, ReportSection::Kind::ReportHeader, coverFrontControls());
    addAll(*layout, ReportSection::Kind::ReportHeader, coverBackA5Controls());
    const LessonPageBindings page{.heading = QStringLiteral("titolo"),
                                  .headingText = QStringLiteral("titolo"),
                                  .pageNumber = QStringLiteral("pagina"),
                                  .cutLineName = QStringLiteral("Field3"),
                                  .cutLine = QStringLiteral("taglia"),
                                  .cutLineText = QStringLiteral("taglia")};
    addAll(*layout, ReportSection::Kind::Detail, lessonPageControls(page));
    return layout;
}

std::unique_ptr<ReportLayout> createRptLibGuideA4()
{
    // Original and copy print the same page number; the headings and the single cut line on
    // the left are fixed texts.
    const LessonPageBindings original{.headingText = originalHeading(),
                                      .pageNumber = QStringLiteral("pagina"),
                                      .cutLineName = QStringLiteral("Field3"),
                                      .cutLineText = cutLineText()};
    const LessonPageBindings copy{.headingText = QStringLiteral("COPIA"),
                                  .pageNumber = QStringLiteral("pagina")};
    return a4Layout(QStringLiteral("RptLibGuideA4"), original, copy, false);
}

std::unique_ptr<ReportLayout> createRptLibGuideA4f()
{
    // Each half carries its own page number; headings and cut lines come from the row, so a
    // sheet of copies has no cut line.
    const LessonPageBindings original{.heading = QStringLiteral("titolo"),
                                      .headingText = originalHeading(),
                                      .pageNumber = QStringLiteral("pagina1"),
                                      .cutLineName = QStringLiteral("Taglia1"),
                                      .cutLine = QStringLiteral("taglia"),
                                      .cutLineText = cutLineText()};
    const LessonPageBindings copy{.heading = QStringLiteral("titolo"),
                                  .headingText = originalHeading(),
                                  .pageNumber = QStringLiteral("pagina2"),
                                  .cutLineName = QStringLiteral("Taglia2"),
                                  .cutLine = QStringLiteral("taglia"),
                                  .cutLineText = cutLineText()};
    return a4Layout(QStringLiteral("RptLibGuideA4f"), original, copy, true);
}

} // namespace Tavo::Reports
