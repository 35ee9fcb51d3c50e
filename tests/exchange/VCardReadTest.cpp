#include <gtest/gtest.h>

#include <vector>

#include "ExchangeTestSupport.h"

namespace {

using exchangetest::Describe;

std::vector<std::string> Described(const exchange::ReadResult& result) {
    std::vector<std::string> out;
    for (const auto& r : result.records) out.push_back(Describe(r));
    return out;
}

// A card from its lines between BEGIN and END, joined with CRLF.
std::string Card(std::string_view body) {
    return "BEGIN:VCARD\r\n" + std::string(body) + "END:VCARD\r\n";
}

TEST(VCardReadTest, ReadsNamesBirthdaysAndNotes) {
    std::string photo = "PHOTO;ENCODING=b;TYPE=JPEG:";
    for (int i = 0; i < 2000; ++i) photo += std::string(74, 'A') + "\r\n ";
    photo += "A=\r\n";
    const struct {
        std::string vcf;
        std::vector<std::string> expected;
    } cases[] = {
        {Card("VERSION:3.0\r\nFN:Ann Lee\r\nBDAY:1990-03-15\r\nNOTE:a\\nb\\, c\\; d\\\\e\r\n") +
             Card("VERSION:3.0\r\nN:Ray;Bob;;;\r\nNOTE:\r\nNOTE:x\r\nNOTE:y\r\nBDAY:19850102\r\n"),
         {"Ann Lee|1990-03-15 00:00:00|a\nb, c; d\\e|card 1",
          "Bob Ray|1985-01-02 00:00:00|x\ny|card 2"}},
        // Folding, also inside a UTF-8 character, LF line ends and a group.
        {"begin:vcard\nFN:Zo\xC3\n \xAB\n\t Lee\nitem1.BDAY:19900315T1430\nend:vcard\n",
         {"Zo\xC3\xAB Lee|1990-03-15 14:30:00||card 1"}},
        // N in reading order; a zone does not move the date.
        {Card("N:Lee;Ann,Marie;;Dr.;Jr.\\, PhD\r\nBDAY:19900315T233000Z\r\n"),
         {"Dr. Ann Marie Lee Jr., PhD|1990-03-15 23:30:00||card 1"}},
        // vCard 2.1 quoted-printable: soft line breaks, charsets, bare parameters.
        {Card("VERSION:2.1\r\nFN;CHARSET=ISO-8859-1;QUOTED-PRINTABLE:Zo=EB\r\nBDAY:1990-03-15\r\n"
              "NOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:eins=0D=0Azwei =\r\n=C3=BC=3D\r\n"),
         {"Zo\xC3\xAB|1990-03-15 00:00:00|eins\nzwei \xC3\xBC=|card 1"}},
        // Year-less birthdays, no birthday, no name.
        {Card("FN:A\r\nBDAY;X-APPLE-OMIT-YEAR=1604:1604-03-15\r\n") +
             Card("FN:B\r\nBDAY:--0315\r\n") + Card("FN:C\r\n") +
             Card("NOTE:who?\r\nBDAY;VALUE=text:circa 1800\r\n"),
         {"A|--03-15||card 1", "B|--03-15||card 2", "C|no birthday||card 3",
          "|circa 1800 is no date|who?|card 4"}},
        // A large photo (whose "=" is no soft line break), a nested agent card and a
        // last card without END.
        {Card("FN:Ann\r\n" + photo + "BDAY:1990-03-15\r\n") +
             Card("FN:Bob\r\nAGENT:\r\nBEGIN:VCARD\r\nFN:Agent\r\nEND:VCARD\r\nBDAY:1985-01-"
                  "02\r\n") +
             "BEGIN:VCARD\r\nFN:Cy\r\n",
         {"Ann|1990-03-15 00:00:00||card 1", "Bob|1985-01-02 00:00:00||card 2",
          "Cy|no birthday||card 3"}},
    };
    for (const auto& c : cases) {
        const exchange::ReadResult result = exchange::ReadVCard(c.vcf);
        EXPECT_EQ(result.error, "");
        EXPECT_EQ(Described(result), c.expected) << c.vcf.substr(0, 200);
    }
}

// Birthdays without a year as phones and webmail write them: Google's --MMDD also in
// 3.0, the year an Apple card names as left out (and only that year); a parameter that
// is no year changes nothing.
TEST(VCardReadTest, KeepsBirthdaysWithoutAYear) {
    const struct {
        const char* bday;
        const char* expected;
    } cases[] = {
        {"VERSION:3.0\r\nBDAY:--1208", "--12-08"},
        {"VERSION:3.0\r\nBDAY;VALUE=date:--12-08", "--12-08"},
        {"VERSION:4.0\r\nBDAY:--1208T0830", "--12-08 08:30:00"},
        {"BDAY;X-APPLE-OMIT-YEAR=1604:1604-12-08", "--12-08"},
        {"BDAY;X-APPLE-OMIT-YEAR=\"1604\":1604-12-08T08:30:00", "--12-08 08:30:00"},
        {"BDAY;X-APPLE-OMIT-YEAR=1900:1900-02-29", "--02-29"},
        {"BDAY;X-APPLE-OMIT-YEAR=1604:1980-12-08", "1980-12-08 00:00:00"},
        {"BDAY;X-APPLE-OMIT-YEAR=:1980-12-08", "1980-12-08 00:00:00"},
        {"BDAY;X-APPLE-OMIT-YEAR=yes:1980-12-08", "1980-12-08 00:00:00"},
        {"BDAY;X-APPLE-OMIT-YEAR=19800:1980-12-08", "1980-12-08 00:00:00"},
    };
    for (const auto& c : cases) {
        const exchange::ReadResult result =
            exchange::ReadVCard(Card(std::string("FN:Ann\r\n") + c.bday + "\r\n"));
        EXPECT_EQ(Described(result),
                  std::vector<std::string>{"Ann|" + std::string(c.expected) + "||card 1"})
            << c.bday;
    }
}

// A card without END ends at the next BEGIN:VCARD that is no agent's; what it held is
// read, the notice names the line it began on, and the cards after it are read whole.
TEST(VCardReadTest, ACardWithoutEndEndsAtTheNextCard) {
    const struct {
        std::string vcf;
        std::vector<std::string> expected;
        std::vector<std::string> notices;
    } cases[] = {
        {"BEGIN:VCARD\r\nFN:Ann\r\nBDAY:1990-03-15\r\n" + Card("FN:Bob\r\nBDAY:1985-01-02\r\n") +
             Card("FN:Cy\r\nBDAY:1970-01-01\r\n"),
         {"Ann|1990-03-15 00:00:00||card 1", "Bob|1985-01-02 00:00:00||card 2",
          "Cy|1970-01-01 00:00:00||card 3"},
         {"line 1: card 1 has no END:VCARD; it was read up to the next BEGIN:VCARD on line 4"}},
        {Card("FN:Ann\r\nBDAY:1990-03-15\r\n") +
             "BEGIN:VCARD\r\nFN:Bob\r\nAGENT:\r\nBEGIN:VCARD\r\n"
             "FN:Agent\r\nEND:VCARD\r\nBDAY:1985-01-02\r\n",
         {"Ann|1990-03-15 00:00:00||card 1", "Bob|1985-01-02 00:00:00||card 2"},
         {"line 5: card 2 has no END:VCARD; it was read up to the end of the file"}},
    };
    for (const auto& c : cases) {
        const exchange::ReadResult result = exchange::ReadVCard(c.vcf);
        EXPECT_EQ(Described(result), c.expected) << c.vcf;
        std::vector<std::string> notices;
        for (const auto& n : result.notices) notices.push_back(n.where + ": " + n.text);
        EXPECT_EQ(notices, c.notices) << c.vcf;
    }
    // Past the first hundred they are counted, not named one by one.
    std::string begins;
    for (int i = 0; i < 102; ++i) begins += "BEGIN:VCARD\r\nFN:A\r\n";
    const exchange::ReadResult many = exchange::ReadVCard(begins);
    EXPECT_EQ(many.records.size(), 102u);
    ASSERT_EQ(many.notices.size(), 101u);
    EXPECT_EQ(many.notices.back().where + ": " + many.notices.back().text,
              "line 201: 2 more cards from here on have no END:VCARD; each was read up to the "
              "next");
}

TEST(VCardReadTest, RefusesAFileWithoutCards) {
    for (const std::string text : {"", "Name,Birth\r\nAnn,1990-03-15\r\n", "END:VCARD\r\n"}) {
        const exchange::ReadResult result = exchange::ReadVCard(text);
        EXPECT_NE(result.error.find("BEGIN:VCARD"), std::string::npos) << text;
        EXPECT_TRUE(result.records.empty());
    }
}

}  // namespace
