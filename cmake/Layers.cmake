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
