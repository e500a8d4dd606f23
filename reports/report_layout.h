#pragma once

#include "reports/report_data_source.h"
#include "reports/report_section.h"

#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

namespace Tavo::Reports {

// One layout instance: a name, a printable width, five sections (report header, page header,
// detail, page footer, report footer, in this order) with their controls, the run-time texts,
// the margins and the data source of DataControl1. All lengths in twips.
class ReportLayout
{
public:
    ReportLayout(const QString &name, int printableWidth, int reportHeaderHeight, int detailHeight);

    const QString &name() const { return m_name; }
    int printableWidth() const { return m_printableWidth; }

    // The paper the layout is designed for; the print command sets the printer's own.
    QPageSize::PageSizeId designPageSize() const { return m_pageSize; }
    QPageLayout::Orientation designOrientation() const { return m_orientation; }
    void setDesignPage(QPageSize::PageSizeId pageSize, QPageLayout::Orientation orientation);

    const std::array<ReportSection, 5> &sections() const { return m_sections; }
    const ReportSection &section(ReportSection::Kind kind) const;

    // Appends `control` to a section. Names are unique within a layout: a second control of
    // the same name is refused (returns false) and the layout stays as it was.
    bool addControl(ReportSection::Kind section, const ReportControl &control);

    // The control named `name`, nullptr when there is none.
    const ReportControl *control(QStringView name) const;
    // All control names, in section order and stored order.
    QStringList controlNames() const;

    // Replaces the text of the Label `controlName` and says how it fits its box; false when the
    // layout has no Label of that name.
    bool setLabelText(QStringView controlName, const QString &text,
                      ReportControl::TextFit fit = ReportControl::TextFit::Fixed);
    // Current text of a Label or Field (a Field's design text); "" for any other name.
    QString controlText(QStringView controlName) const;

    // Margins in twips, from the sheet's left and top edges to the printable area.
    void setLeftMargin(float twips) { m_leftMargin = twips; }
    void setTopMargin(float twips) { m_topMargin = twips; }
    float leftMargin() const { return m_leftMargin; }
    float topMargin() const { return m_topMargin; }

    // DataControl1's row source; not owned, must outlive the print. nullptr means no rows.
    void setDataSource(const ReportDataSource *rows) { m_rows = rows; }
    const ReportDataSource *dataSource() const { return m_rows; }

private:
    ReportControl *findControl(QStringView name);

    QString m_name;
    int m_printableWidth;
    std::array<ReportSection, 5> m_sections;
    QPageSize::PageSizeId m_pageSize = QPageSize::A4;
    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
    float m_leftMargin = 0;
    float m_topMargin = 0;
    const ReportDataSource *m_rows = nullptr;
};

} // namespace Tavo::Reports
