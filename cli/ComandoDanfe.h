#pragma once
// luvenor-cli danfe: the DANFE of NF-e files as PDF, PNG pages or a prepared-page file.

namespace luvenor::cli {

int ComandoDanfe(int argc, char** argv);

}  // namespace luvenor::cli
