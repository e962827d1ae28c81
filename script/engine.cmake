# The compiler, the virtual machine and the host interface on top of everything else.
add_library(tarvik_script STATIC
  bytecode.cpp compiler.cpp array_ops.cpp err_object.cpp script_class.cpp
  vm.cpp interpreter.cpp engine.cpp)
target_link_libraries(tarvik_script PUBLIC vbs_parser vbs_builtins vbs_objects)
