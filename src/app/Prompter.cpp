#include "app/Prompter.h"

namespace gr2 {

Prompter::Answer cautiousAnswer(Prompter::Buttons buttons)
{
    switch (buttons) {
    case Prompter::Buttons::Ok:
        return Prompter::Answer::Ok;
    case Prompter::Buttons::OkCancel:
    case Prompter::Buttons::YesNoCancel:
        return Prompter::Answer::Cancel;
    case Prompter::Buttons::YesNo:
        return Prompter::Answer::No;
    }
    return Prompter::Answer::Cancel;
}

} // namespace gr2
