#pragma once
// The printer Print Setup chooses and Print uses, shared by every view for the whole run. It is
// made on first use: making a printer loads the platform's print system and its libraries, which
// the editor's start has no need of.

#include <memory>

class QPrinter;

namespace gr2 {

class SharedPrinter {
public:
    SharedPrinter();
    ~SharedPrinter();
    SharedPrinter(const SharedPrinter&) = delete;
    SharedPrinter& operator=(const SharedPrinter&) = delete;

    QPrinter& get();

private:
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace gr2
