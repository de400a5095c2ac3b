# TROVEN_SANITIZE=ON builds everything with AddressSanitizer and UndefinedBehaviorSanitizer;
# any finding aborts the process, so a memory fault fails the test that hit it.
if(TROVEN_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
