#pragma once

namespace Tavo::Reports {
class ReportLayout;
}
