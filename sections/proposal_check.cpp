#include "sections/proposal_check.h"

#include "sections/bar_notation.h"
#include "sections/bar_proposal.h"
#include "sections/cases.h"

namespace lirvo {
namespace {

std::string trimmed(const std::string& text) {
    return std::string(withoutEndBlanks(text));
}

// The design's field of a quantity: a result, written from the data, before an input.
const Field* designField(const CalcCase& design, Quantity quantity, const CalcWindow& window) {
    const Field* found = nullptr;
    for (const Field& field : design.fields)
        if (field.quantity == quantity &&
            (field.role == Role::kInput || !trimmed(window.fieldText(field.index)).empty()))
            found = &field;  // inputs come first: a result found later stands
    return found;
}

}  // namespace

std::optional<ProposedSectionCheck> checkWithProposedBars(const CalcCase& design,
                                                          const CalcWindow& window) {
    if (design.operation == Operation::kCheck) return std::nullopt;
    ProposedSectionCheck made{findCase(design.section, Operation::kCheck), {}};
    const std::vector<SteelProposal> proposals = proposeForRun(design, window);
    for (const Field& field : made.check->inputs()) {
        std::string& text = made.texts[field.index];
        const Field* from = designField(design, field.quantity, window);
        if (!from) continue;
        text = from->role == Role::kResult ? trimmed(window.fieldText(from->index))
                                           : window.fieldText(from->index);
        for (const SteelProposal& p : proposals)
            if (p.field == from && p.bars && !p.bars->typedText().empty())
                text = p.bars->typedText();
    }
    return made;
}

}  // namespace lirvo
