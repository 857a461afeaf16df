# Warnings and floating-point flags for the project's own targets.
function(tessilar_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
    # Keep a*b+c as two roundings so results do not depend on the optimiser.
    -ffp-contract=off)
endfunction()

# Sanitizers apply to everything built here, tests and benchmarks included.
if(TESSILAR_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
