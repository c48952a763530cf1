# Which folders of src/ each folder may include from; read by CheckLayers.cmake and by the
# top-level list file. A folder not listed here may not be included by anyone.
set(QVD_LAYER_platform     platform)
set(QVD_LAYER_foundation   foundation platform)
set(QVD_LAYER_oplog        oplog foundation platform)
set(QVD_LAYER_core         core foundation oplog platform)
set(QVD_LAYER_docbuild     docbuild ${QVD_LAYER_core})
set(QVD_LAYER_masterdata   masterdata ${QVD_LAYER_docbuild})
set(QVD_LAYER_documents    documents ${QVD_LAYER_docbuild})
set(QVD_LAYER_manufacturing manufacturing ${QVD_LAYER_docbuild})
set(QVD_LAYER_facade       facade masterdata documents manufacturing ${QVD_LAYER_docbuild})
set(QVD_LAYER_dataaccess   dataaccess platform)
set(QVD_LAYER_erpserver    erpserver platform)
set(QVD_LAYERS platform foundation oplog core docbuild masterdata documents manufacturing
    facade dataaccess erpserver)

# The command-line program, tools/qvd/: its role folders may use the library (the facade and
# everything below it), the data-access objects, and of the reference ERP only its entry headers.
set(QVD_TOOL_USES ${QVD_LAYER_facade} dataaccess)
set(QVD_TOOL_ERP_ENTRY erpserver/Server.hpp erpserver/Registration.hpp)
set(QVD_TOOL_cli     cli)
set(QVD_TOOL_company company cli)
set(QVD_TOOL_import  import company cli)
set(QVD_TOOL_inspect inspect company cli)
set(QVD_TOOL_demo    demo inspect company cli)
set(QVD_TOOL_restore restore inspect company cli)
