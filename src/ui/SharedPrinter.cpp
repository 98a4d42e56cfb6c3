#include "ui/SharedPrinter.h"

#include <QPrinter>

namespace gr2 {

SharedPrinter::SharedPrinter() = default;
SharedPrinter::~SharedPrinter() = default;

QPrinter& SharedPrinter::get()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>();
    return *m_printer;
}

} // namespace gr2
