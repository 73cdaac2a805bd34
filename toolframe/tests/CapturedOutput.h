#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// A FILE* whose text a test can read back.
class CapturedOutput {
public:
    CapturedOutput() : file_(open_memstream(&buffer_, &size_)) {}
    ~CapturedOutput()
    {
        std::fclose(file_);
        std::free(buffer_);
    }
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;

    std::FILE* file() { return file_; }
    std::string text()
    {
        std::fflush(file_);
        return std::string(buffer_, size_);
    }

private:
    char* buffer_ = nullptr;
    std::size_t size_ = 0;
    std::FILE* file_;
};
