#pragma once

#include <string>

#include <gtest/gtest.h>

#include "store/ConfigDocument.h"
#include "tests/common/ConfigEntries.h"
#include "tests/common/TempDir.h"

namespace trelink::test {

// A configuration file in a fresh folder, opened by a document whose saves are counted.
class DocumentFixture : public ::testing::Test {
protected:
    void OpenFile(const std::string& xml, int language = 0) {
        WriteFile(m_path, xml);
        ASSERT_EQ(m_document.SetConfigFile(m_path), kOk);
        m_document.SetLanguage(language);
        m_document.SetFileSystem(&m_system);
        m_system.saves = 0;
    }
    // A file whose root element holds body.
    void Open(const std::string& body) { OpenFile("<Root>" + body + "</Root>"); }
    // The catalogue of tests/data with entries in its "configuration".
    void OpenCatalogue(const std::string& entries, int language = 0) {
        OpenFile(CatalogueWith(entries), language);
    }
    int Saves() const { return m_system.saves; }

    TempDir m_dir;
    std::string m_path = m_dir.File("trelinkconfig.xml");
    SteeredFileSystem m_system;
    ConfigDocument m_document;
};

}  // namespace trelink::test
