#include "engine/compiledchain.h"

namespace vocalith {

CompiledChain::CompiledChain(std::span<const Replacement> chain) : m_chain(chain) {
    for (const Replacement &r : chain)
        m_rules.push_back({QStringView(r.find), QStringView(r.replace)});
    for (size_t i = 0; i < m_rules.size(); ++i) {
        const Rule &rule = m_rules[i];
        if (rule.find.isEmpty() || rule.replace.isEmpty())
            m_singlePass = false;
        for (size_t j = i + 1; j < m_rules.size() && m_singlePass; ++j)
            for (const QChar c : rule.replace)
                if (m_rules[j].find.contains(c))
                    m_singlePass = false;
        if (!rule.find.isEmpty()) {
            const char16_t first = rule.find.front().unicode();
            m_byFirst[first].push_back(int(i));
            if (first < 128)
                m_asciiFirst[first] = true;
        }
    }
}

QString CompiledChain::apply(QString text) const {
    if (!m_singlePass) {
        applyChain(text, m_chain);
        return text;
    }
    return applySinglePass(text);
}

QString CompiledChain::applySinglePass(const QString &text) const {
    const qsizetype n = text.size();
    const QStringView view(text);
    // Every occurrence of every key in the text, by rule, in text order.
    std::vector<std::vector<qsizetype>> occurrences(m_rules.size());
    bool any = false;
    for (qsizetype p = 0; p < n; ++p) {
        const char16_t unit = view[p].unicode();
        if (unit < 128 && !m_asciiFirst[unit])
            continue;
        const auto it = m_byFirst.find(unit);
        if (it == m_byFirst.end())
            continue;
        for (const int r : it->second)
            if (view.mid(p).startsWith(m_rules[size_t(r)].find)) {
                occurrences[size_t(r)].push_back(p);
                any = true;
            }
    }
    if (!any)
        return text;
    // Rule by rule, from the left, the occurrences whose units are still free: neither taken
    // by an earlier rule nor by an earlier occurrence of the same key.
    std::vector<bool> taken(size_t(n), false);
    std::vector<int> ruleAt(size_t(n), -1);
    for (size_t r = 0; r < m_rules.size(); ++r) {
        const qsizetype length = m_rules[r].find.size();
        for (const qsizetype p : occurrences[r]) {
            bool free = true;
            for (qsizetype k = p; k < p + length && free; ++k)
                free = !taken[size_t(k)];
            if (!free)
                continue;
            for (qsizetype k = p; k < p + length; ++k)
                taken[size_t(k)] = true;
            ruleAt[size_t(p)] = int(r);
        }
    }
    QString out;
    out.reserve(n);
    qsizetype copied = 0; // text before this position is in out
    for (qsizetype p = 0; p < n;) {
        const int r = ruleAt[size_t(p)];
        if (r < 0) {
            ++p;
            continue;
        }
        out.append(view.mid(copied, p - copied));
        out.append(m_rules[size_t(r)].replace);
        p += m_rules[size_t(r)].find.size();
        copied = p;
    }
    out.append(view.mid(copied));
    return out;
}

} // namespace vocalith
