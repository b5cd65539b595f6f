// Reads a line's words, after its verb, as the values its command takes:
// numbers in the range the host can draw and run, host variables, gauges,
// fixed words. The first word that does not fit ends the reading with the
// reason; so do words after the last argument.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "host/script/command.h"

// The number a word says: decimal digits with an optional sign, point and
// exponent, or inf, infinity or nan in any case. nullopt for anything else
// (0x10, 1e999, 5.5.5).
std::optional<double> decimal_number(const std::string& word);

class ArgumentReader {
public:
    ArgumentReader(const std::vector<std::string>& words, std::size_t first, const char* usage);

    // Words not read yet.
    std::size_t left() const { return words_.size() - next_; }
    const std::string& peek() const { return words_.at(next_); }
    // The reading went wrong: the first reason, or a missing argument or
    // words too many, as the command's usage.
    std::optional<std::string> error() const;
    std::vector<Value> take() { return std::move(values_); }

    void number_from(double lowest, double highest, const char* what);
    void whole_from(double lowest, double highest, const char* what);
    void finite();
    void any_number(); // NaN and the infinities too: what the module must survive
    void variable();
    void gauge();
    void word();
    // One of `words`; another is "no `what`", or not one the usage names.
    void choice(std::initializer_list<const char*> words, const char* what = nullptr);
    void rest(); // the words left, as one text

private:
    const std::string* next_word();
    std::optional<double> next_number();
    void refuse(std::string reason);

    const std::vector<std::string>& words_;
    std::size_t next_;
    const char* usage_;
    std::vector<Value> values_;
    std::optional<std::string> error_;
    bool missing_ = false;
};
