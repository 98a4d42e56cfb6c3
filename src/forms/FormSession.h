#pragma once
// What a form dialog drives, without a window: the form's state, and for the editors that page
// through several targets (types, stats, sacrifice entries) the selector. Paging stores the target
// shown before it shows the next, so edits to several targets made in one opening are all kept;
// a refused value keeps the shown target and stores nothing.

#include "forms/Form.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace gr2 {

class FormSession {
public:
    virtual ~FormSession() = default;

    virtual const std::string& caption() const = 0;
    virtual FormState& state() = 0;
    /// Whether there is anything to edit (a type editor of an empty table has not).
    virtual bool hasTarget() const = 0;

    // --- the selector, for sessions that page through targets -----------------------------------
    virtual bool hasSelector() const { return false; }
    virtual std::vector<std::string> entries() const { return {}; }
    virtual size_t position() const { return 0; }
    /// The text above the selector; it may change with the target shown.
    virtual std::string selectorLabel() const { return {}; }
    /// Stores the target shown and shows the one at `position`; a refused value keeps the target
    /// shown and is returned.
    virtual std::optional<FormError> select(size_t position)
    {
        (void)position;
        return std::nullopt;
    }

    /// "OK" and the close box: stores the target shown; a refused value is returned and nothing
    /// is stored.
    virtual std::optional<FormError> accept() = 0;
    /// "Cancel" and Escape: the target shown is not stored.
    virtual void cancel() {}
};

/// A form over one target.
template <class Target> class SingleFormSession : public FormSession {
public:
    SingleFormSession(const FormDescription<Target>& description, Target& target)
        : m_form(description), m_target(target)
    {
        m_form.load(m_target);
    }

    const std::string& caption() const override { return m_form.caption(); }
    FormState& state() override { return m_form.state(); }
    bool hasTarget() const override { return true; }
    std::optional<FormError> accept() override { return m_form.store(m_target, &m_changed); }
    bool changed() const { return m_changed; }

private:
    Form<Target> m_form;
    Target& m_target;
    bool m_changed = false;
};

/// A form over the target chosen in a selector.
template <class Target> class SelectorSession : public FormSession {
public:
    /// `targetAt` gives the target of each entry (none for a position out of range).
    SelectorSession(const FormDescription<Target>& description, std::vector<std::string> entries,
                    std::function<Target*(size_t)> targetAt, size_t start)
        : m_form(description), m_entries(std::move(entries)), m_targetAt(std::move(targetAt))
    {
        m_position = m_entries.empty() ? 0 : std::min(start, m_entries.size() - 1);
        if (Target* target = current())
            m_form.load(*target);
    }

    const std::string& caption() const override { return m_form.caption(); }
    FormState& state() override { return m_form.state(); }
    bool hasTarget() const override { return current() != nullptr; }
    bool hasSelector() const override { return true; }
    std::vector<std::string> entries() const override { return m_entries; }
    size_t position() const override { return m_position; }

    std::optional<FormError> select(size_t position) override
    {
        if (position == m_position || position >= m_entries.size())
            return std::nullopt;
        if (auto error = storeShown())
            return error;
        m_position = position;
        if (Target* target = current()) {
            m_form.load(*target);
            shown(*target);
        }
        return std::nullopt;
    }

    std::optional<FormError> accept() override { return storeShown(); }

    Target* current() const { return m_targetAt(m_position); }
    /// Whether a store changed a target.
    bool changed() const { return m_changed; }
    Form<Target>& form() { return m_form; }

protected:
    /// A target has just been shown (not called for the first one, which the constructor shows).
    virtual void shown(Target& target) { (void)target; }

    std::optional<FormError> storeShown()
    {
        Target* target = current();
        return target ? m_form.store(*target, &m_changed) : std::nullopt;
    }

private:
    Form<Target> m_form;
    std::vector<std::string> m_entries;
    std::function<Target*(size_t)> m_targetAt;
    size_t m_position = 0;
    bool m_changed = false;
};

} // namespace gr2
