#pragma once

// The two search modes the search page asks for, persisted under
// "SearchModes". At least one is always on once loaded or saved.
class SearchModeFlags
{
public:
    void setDefaults() { m_network = m_serial = true; }
    bool network() const { return m_network; }
    bool serial() const { return m_serial; }
    void ensureOneMode()
    {
        if (!m_network && !m_serial)
            setDefaults();
    }

    // A missing text, or one naming neither mode, loads as both.
    void loadSearchModes();
    // Stores both flags (both when neither is given) and writes the text of
    // the two flags as given, so that neither writes "", which loads as both.
    void saveSearchModes(bool network, bool serial);

private:
    bool m_network = true;
    bool m_serial = true;
};
