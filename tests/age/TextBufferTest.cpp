#include <gtest/gtest.h>

#include <string>

#include "age/TextBuffer.h"

using modAgeCalc::TextBuffer;

namespace {

TEST(TextBuffer, FourDecimalsRoundDropTrailingZerosAndKeepThePoint) {
    const std::pair<double, const char*> table[] = {
        {1.5, "1.5"},
        {0.016666, "0.0167"},
        {3600.0, "3600."},
        {0.0, "0."},
        {-0.00001, "0."},
        {-1.23456, "-1.2346"},
        {2.00004, "2."},
        {0.99996, "1."},
        {49.083611, "49.0836"},
        {-176701.0, "-176701."},
        {2147483647.98333, "2147483647.9833"},
        {0.1, "0.1"},
    };
    for (const auto& [value, text] : table) {
        TextBuffer buffer;
        buffer.appendFourDecimals(value);
        EXPECT_EQ(buffer.str(), text) << value;
    }
}

TEST(TextBuffer, TwoDigitsAndPlainNumbers) {
    const std::pair<std::int64_t, const char*> twoDigits[] = {
        {7, "07"}, {0, "00"}, {59, "59"}, {123, "123"}, {-5, "-05"}};
    for (const auto& [value, text] : twoDigits) {
        TextBuffer buffer;
        buffer.appendTwoDigits(value);
        EXPECT_EQ(buffer.str(), text) << value;
    }
    const std::pair<std::int64_t, const char*> plain[] = {
        {7, "7"}, {0, "0"}, {530, "530"}, {-3, "-3"}, {-2147483648LL, "-2147483648"}};
    for (const auto& [value, text] : plain) {
        TextBuffer buffer;
        buffer.appendPlain(value);
        EXPECT_EQ(buffer.str(), text) << value;
    }
}

TEST(TextBuffer, DropsTextBeyondItsCapacity) {
    TextBuffer buffer;
    const std::string longText(TextBuffer::kCapacity - 2, 'x');
    buffer.append(longText);
    buffer.append("abc");
    buffer.append('d');
    buffer.appendPlain(12345);
    EXPECT_EQ(buffer.str(), longText + "ab");
}

}  // namespace
